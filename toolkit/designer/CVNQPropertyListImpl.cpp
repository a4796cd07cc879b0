#include "CVNQPropertyListImpl.h"

#include "CVNQCheckBox.h"
#include "CVNQContainer.h"
#include "CVNQControlInfo.h"
#include "CVNQLabel.h"
#include "CVNQLineEdit.h"
#include "CVNQPushButton.h"
#include "CVNQSpinBox.h"

namespace CVNQtLib {

namespace {

// The definition an editor edits; null while its value is being loaded.
PropertyDef* editedDef(const QObject* editor)
{
    const QVariant id = editor ? editor->property("Prop_ID") : QVariant();
    if (id.userType() != QMetaType::VoidStar)
        return nullptr;
    return static_cast<PropertyDef*>(id.value<void*>());
}

} // namespace

CVNQPropertyListImpl::CVNQPropertyListImpl(CVNQScrollView* owner)
    : CVNQScrollViewImpl(owner, QString::fromLatin1(CVNQPropertyList::typeName()))
{}

CVNQPropertyList* CVNQPropertyListImpl::list() const
{
    return static_cast<CVNQPropertyList*>(m_owner);
}

CVNQPropertyRow* CVNQPropertyListImpl::acquireRow(int kind)
{
    const int top = int(shown.size()) * kRowHeight;
    const int width = m_owner->width();
    for (const std::unique_ptr<CVNQPropertyRow>& row : pool[kind]) {
        if (row->inUse)
            continue;
        row->inUse = 1;
        row->container->QWidget::setGeometry(0, top, width, kRowHeight);
        shown.push_back(row.get());
        row->container->show();
        row->container->raise();
        return row.get();
    }
    CVNQPropertyRow* row = buildRow(kind, top, width);
    shown.push_back(row);
    return row;
}

CVNQPropertyRow* CVNQPropertyListImpl::buildRow(int kind, int top, int width)
{
    auto owned = std::make_unique<CVNQPropertyRow>();
    CVNQPropertyRow* row = owned.get();
    row->kind = kind;
    row->inUse = 1;
    row->container = new CVNQContainer(content);
    const int cw = captionWidth;
    if (kind != 4) {
        row->caption = new CVNQLabel(row->container);
        row->caption->setGeometry(0, 0, cw, kRowHeight);
    }
    switch (kind) {
    case 0:
        row->edit = new CVNQLineEdit(row->container);
        row->edit->setGeometry(cw, 0, width - cw, kRowHeight);
        connect(row->edit, &QLineEdit::textChanged, this, &CVNQPropertyListImpl::textChanged);
        break;
    case 2:
        row->value = new CVNQLabel(row->container);
        row->value->setGeometry(cw, 0, width - cw, kRowHeight);
        break;
    case 3:
        row->check = new CVNQCheckBox(row->container);
        row->check->setGeometry(cw, 0, width - cw, kRowHeight);
        connect(row->check, &QAbstractButton::toggled, this, &CVNQPropertyListImpl::toggled);
        break;
    case 4: {
        auto* line = new CVNQContainer(row->container);
        line->setGeometry(cw, 15, width, 1);
        break;
    }
    case 5:
        row->value = new CVNQLabel(row->container);
        row->value->setGeometry(cw, 0, width - cw - 30, kRowHeight);
        row->picker = new CVNQPushButton(row->container);
        row->picker->setGeometry(width - 25, 5, 20, 20);
        connect(row->picker, &QAbstractButton::clicked, this, &CVNQPropertyListImpl::pickerClicked);
        break;
    case 10:
        row->spin = new CVNQSpinBox(row->container);
        row->spin->setGeometry(cw, 0, width - cw, kRowHeight);
        connect(row->spin, QOverload<int>::of(&QSpinBox::valueChanged), this, &CVNQPropertyListImpl::intChanged);
        break;
    default: break;
    }
    row->container->setGeometry(0, top, width, kRowHeight);
    row->container->show();
    pool[kind].push_back(std::move(owned));
    return row;
}

// Edits write through the row's setter and report the row; an editor whose
// value is being loaded reports nothing.
void CVNQPropertyListImpl::textChanged(const QString& text)
{
    PropertyDef* def = editedDef(sender());
    if (!def)
        return;
    if (def->setString)
        def->setString(def->target, text);
    list()->updateValue(def);
}

void CVNQPropertyListImpl::toggled(bool checked)
{
    PropertyDef* def = editedDef(sender());
    if (!def)
        return;
    if (def->setBool)
        def->setBool(def->target, checked);
    list()->updateValue(def);
}

void CVNQPropertyListImpl::intChanged(int value)
{
    PropertyDef* def = editedDef(sender());
    if (!def)
        return;
    if (def->setInt)
        def->setInt(def->target, value);
    list()->updateValue(def);
}

void CVNQPropertyListImpl::pickerClicked()
{
    if (PropertyDef* def = editedDef(sender()))
        emit list()->selectEvent(def);
}

} // namespace CVNQtLib

#include "moc_CVNQPropertyListImpl.cpp"
