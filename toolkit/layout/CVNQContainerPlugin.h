#pragma once

// Qt Designer's custom-widget description of CVNQContainer. Kept beside the
// class rather than on it: the interface's toolTip() and whatsThis() would
// hide the widget's own.

#include "CVNQGlobal.h"

#include <QIcon>
#include <QString>

class QDesignerFormEditorInterface;
class QWidget;

namespace CVNQtLib {

class CVNQ_EXPORT CVNQContainerPlugin
{
public:
    QString name() const;
    QString group() const;
    QString toolTip() const;
    QString whatsThis() const;
    QIcon icon() const;
    QString includeFile() const;
    QString domXml() const;
    bool isContainer() const;
    // Sets the initialised flag once.
    void initialize(QDesignerFormEditorInterface* core);
    bool isInitialized() const;
    QWidget* createWidget(QWidget* parent);

private:
    bool m_initialized = false;
};

} // namespace CVNQtLib
