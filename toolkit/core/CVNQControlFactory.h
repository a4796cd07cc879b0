#pragma once

// The control registry and the JSON factory: type names map to create
// functions and property tables, and JSON nodes (page files, menu files,
// "child" arrays) become live control trees.

#include "CVNJsonFwd.h"
#include "CVNQGlobal.h"

#include <QString>
#include <QVector>
#include <functional>
#include <initializer_list>

class QWidget;

namespace CVNQtLib {

struct ControlInfo;
class CVNQContainer;
class CVNQMenu;

// A control's create function: a new control without parent, null on failure.
using CVNControlCreateFunc = QWidget* (*)();
// The application's create hook, asked before the registry.
using CVNControlCreateHook = QWidget* (*)(const QString& name, const QString& type);

// Registers a type: create map and info map (a later registration of the
// same name replaces both); withName also puts the name in the name set.
// Nothing happens when typeName or create is null.
CVNQ_EXPORT void cvnRegisterQtControl(const char* typeName, CVNControlCreateFunc create, ControlInfo info,
                                      bool withName);
// Registers a create function only (aliases, types without a property table).
CVNQ_EXPORT void cvnRegisterDefaultControl(const char* typeName, CVNControlCreateFunc create);
// One row of a folder's registration table.
struct CVNQ_EXPORT CVNQControlType
{
    const char* typeName;
    CVNControlCreateFunc create;
    ControlInfo (*props)(); // null: create map only (aliases, types without a table)
    bool withName;          // also the name set
};
// Registers the rows in order; a later row of the same name wins.
CVNQ_EXPORT void cvnRegisterControlTypes(std::initializer_list<CVNQControlType> rows);

// Binds the create hook; null unbinds.
CVNQ_EXPORT void cvnBindControlCreateFunction(CVNControlCreateHook hook);

// The property table registered for a type, or null. Stays valid until the
// type is registered again.
CVNQ_EXPORT ControlInfo* cvnGetControlInfo(const QString& typeName);
// Every registered property table, in byte order of the type names.
CVNQ_EXPORT QVector<ControlInfo*> cvnGetAllControlInfo();

// Creates one control: the hook first, else the registry; the result is
// re-parented to parent and, when it is a toolkit control and node is not
// JSON null, reads node. Null for an unknown type.
CVNQ_EXPORT QWidget* createControl(const char* typeName, const Json::Value& node, QWidget* parent);
// Builds node and its "child" array recursively, then runs createComplete.
// Null when node has no string "type" or the type cannot be created.
CVNQ_EXPORT QWidget* createControlTree(const Json::Value& node, QWidget* parent);
// The registry's create function only: no hook, no JSON.
CVNQ_EXPORT QWidget* createControlByTypeName(const char* typeName, QWidget* parent);

// Loads a page file (theme or project package first, then the skin folder,
// then the path itself; ".json" is appended when the name lacks it),
// applies its window keys to host and builds its "elements" under host.
// Returns the last element when it is a container, else null.
CVNQ_EXPORT CVNQContainer* cvnCreatePageByFileName(QWidget* host, QString fileName);
// The root object of a page file, read as cvnCreatePageByFileName reads it
// (up to a NUL byte); false for a missing, empty or unparsable file or one
// that holds no object.
CVNQ_EXPORT bool cvnReadPageFile(const QString& fileName, Json::Value& root);
// Where cvnReadPageFile finds a page file: in a loaded package (held in
// memory, no file behind it), in a file on disk, or nowhere.
struct CVNQ_EXPORT CVNQPageFileSource
{
    enum Kind
    {
        Missing,
        Package,
        Disk
    };
    Kind kind = Missing;
    QString file; // the file on disk, for Disk
};
CVNQ_EXPORT CVNQPageFileSource cvnFindPageFile(const QString& fileName);
// The root object of the page file at exactly that path on disk, read as
// cvnReadPageFile reads it but without a look-up or ".json" appended.
CVNQ_EXPORT bool cvnReadPageFileAt(const QString& file, Json::Value& root);
// Told of every control the page builder makes from a node, with the node,
// before the node's children are built.
using CVNControlBuiltFunc = std::function<void(QWidget* control, const Json::Value& node)>;
// cvnCreatePageByFileName once the file is read: window keys, then elements.
CVNQ_EXPORT CVNQContainer* cvnCreatePageFromJson(QWidget* host, const Json::Value& root,
                                                 const CVNControlBuiltFunc& built = CVNControlBuiltFunc());
// Loads a menu file the same way and builds a menu from its root object.
CVNQ_EXPORT CVNQMenu* cvnCreateMenuByFileName(QWidget* parent, QString fileName);

// The start-up table (each folder's registration in turn), then the
// emulator detection. Lives at the top of the toolkit (CVNQControlTable.cpp).
CVNQ_EXPORT void cvnInitQtControl();

} // namespace CVNQtLib
