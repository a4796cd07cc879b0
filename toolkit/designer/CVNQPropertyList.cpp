#include "CVNQPropertyList.h"
#include "CVNQControlInfo.h"

#include "CVNQCheckBox.h"
#include "CVNQContainer.h"
#include "CVNQDesignerEvents.h"
#include "CVNQLabel.h"
#include "CVNQLineEdit.h"
#include "CVNQPropertyListImpl.h"
#include "CVNQPushButton.h"
#include "CVNQSpinBox.h"

#include <QCoreApplication>
#include <new>

namespace CVNQtLib {

namespace {

// The row kind of a type code; -1 for codes without an editor.
int rowKind(int type)
{
    switch (type) {
    case PropName:
    case PropText: return 0;
    case PropReadOnlyText: return 2;
    case PropBool: return 3;
    case PropLine: return 4;
    case PropFillStyle:
    case PropTextStyle: return 5;
    case PropInt: return 10;
    default: return -1;
    }
}

QVariant defId(const PropertyDef& def)
{
    return QVariant::fromValue(static_cast<void*>(const_cast<PropertyDef*>(&def)));
}

// While an editor's value is loaded it carries no definition, so the change
// signals the load raises write nothing.
class LoadingScope
{
public:
    LoadingScope(QObject* editor, const PropertyDef& def)
        : m_editor(editor)
        , m_def(def)
    {
        m_editor->setProperty("Prop_ID", QVariant(0));
    }
    ~LoadingScope() { m_editor->setProperty("Prop_ID", defId(m_def)); }

private:
    QObject* m_editor;
    const PropertyDef& m_def;
};

} // namespace

CVNQPropertyList::CVNQPropertyList(QWidget* parent)
    : CVNQScrollView(parent,
                     [](CVNQScrollView* owner) -> CVNQScrollViewImpl* { return new CVNQPropertyListImpl(owner); })
{
    auto* content = new QWidget;
    impl()->content = content;
    setWidget(content);
}

CVNQPropertyList::~CVNQPropertyList() = default;

QWidget* CVNQPropertyList::createCVNQPropertyList()
{
    return new (std::nothrow) CVNQPropertyList(nullptr);
}

ControlInfo CVNQPropertyList::getProps()
{
    return cvnMakeControlInfo(typeName(), "Property", "Control Property", "CVNQProperty", "property");
}

QString CVNQPropertyList::getTypeName() const
{
    return QString::fromLatin1(typeName());
}

CVNQPropertyListImpl* CVNQPropertyList::impl() const
{
    return static_cast<CVNQPropertyListImpl*>(m_impl.get());
}

void CVNQPropertyList::addItem(const PropertyDef& def)
{
    const int kind = rowKind(def.type);
    if (kind >= 0) {
        CVNQPropertyRow* row = impl()->acquireRow(kind);
        if (row->caption)
            row->caption->setText(def.name);
        QWidget* target = def.target;
        switch (def.type) {
        case PropReadOnlyText: row->value->setText(def.getString ? def.getString(target) : QString()); break;
        case PropName:
        case PropText: {
            LoadingScope loading(row->edit, def);
            row->edit->setText(def.getString ? def.getString(target) : QString());
            break;
        }
        case PropBool: {
            LoadingScope loading(row->check, def);
            row->check->setChecked(def.getBool ? def.getBool(target) : false);
            break;
        }
        case PropFillStyle: {
            LoadingScope loading(row->picker, def);
            row->value->setText(def.getFillStyle ? def.getFillStyle(target, 0).name : QString());
            break;
        }
        case PropTextStyle: {
            LoadingScope loading(row->picker, def);
            row->value->setText(def.getTextStyle ? def.getTextStyle(target, 0).name : QString());
            break;
        }
        case PropInt: {
            LoadingScope loading(row->spin, def);
            row->spin->setRange(def.min, def.max);
            row->spin->setValue(def.getInt ? def.getInt(target) : 0);
            break;
        }
        default: break;
        }
    }
    layout();
}

void CVNQPropertyList::removeAll()
{
    CVNQPropertyListImpl* d = impl();
    for (CVNQPropertyRow* row : d->shown) {
        row->inUse = 0;
        row->container->hide();
    }
    d->shown.clear();
    layout();
}

void CVNQPropertyList::updateValue(PropertyDef* def)
{
    if (def && def->target) {
        QEvent edited(cvnPropertyEditedEvent());
        QCoreApplication::sendEvent(def->target, &edited);
    }
    emit valueChanged(def);
}

void CVNQPropertyList::layout()
{
    CVNQPropertyListImpl* d = impl();
    if (d->content)
        d->content->setFixedSize(width(), int(d->shown.size()) * CVNQPropertyListImpl::kRowHeight);
}

void CVNQPropertyList::resizeEvent(QResizeEvent* event)
{
    layout();
    CVNQScrollView::resizeEvent(event);
}

} // namespace CVNQtLib

#include "moc_CVNQPropertyList.cpp"
