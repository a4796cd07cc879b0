#pragma once

// The designer's property grid (type "qtproperty"): one 30-pixel row per
// property row of a control's table, a caption on the left and an editor
// chosen by the row's type code on the right. Editors show the target's
// value and write edits back through the row's setter; style rows ask the
// host for a picker through selectEvent. Rows are pooled by kind and reused
// after removeAll.
//
// The grid keeps the address of every PropertyDef it shows: the caller keeps
// the rows alive (and their target set) while they are shown. The rows live
// in the scroll area's widget().

#include "CVNQScrollView.h"

namespace CVNQtLib {

struct PropertyDef;
class CVNQPropertyListImpl;

class CVNQ_EXPORT CVNQPropertyList : public CVNQScrollView
{
    Q_OBJECT
public:
    explicit CVNQPropertyList(QWidget* parent = nullptr);
    ~CVNQPropertyList() override;

    static const char* typeName() { return "qtproperty"; }
    static QWidget* createCVNQPropertyList();
    static ControlInfo getProps();
    QString getTypeName() const override;

    // Appends the row of def; types without an editor add no row.
    void addItem(const PropertyDef& def);
    // Hides every shown row; the rows stay pooled for reuse.
    void removeAll();
    // Reports def as edited, to its target first (the design canvas then
    // shows the target anew), then through valueChanged.
    void updateValue(PropertyDef* def);

Q_SIGNALS:
    void selectEvent(PropertyDef* propDef);
    void valueChanged(PropertyDef* propDef);

protected:
    void layout();
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    CVNQPropertyListImpl* impl() const;
};

} // namespace CVNQtLib
