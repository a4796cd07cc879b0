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
        placeRow(row.get(), top, width);
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
    }
    switch (kind) {
    case 0:
        row->edit = new CVNQLineEdit(row->container);
        connect(row->edit, &QLineEdit::textChanged, this, &CVNQPropertyListImpl::textChanged);
        connect(row->edit, &QLineEdit::editingFinished, this, &CVNQPropertyListImpl::editingFinished);
        break;
    case 2: row->value = new CVNQLabel(row->container); break;
    case 3:
        row->check = new CVNQCheckBox(row->container);
        connect(row->check, &QAbstractButton::toggled, this, &CVNQPropertyListImpl::toggled);
        break;
    case 4: row->line = new CVNQContainer(row->container); break;
    case 5:
        row->value = new CVNQLabel(row->container);
        row->picker = new CVNQPushButton(row->container);
        connect(row->picker, &QAbstractButton::clicked, this, &CVNQPropertyListImpl::pickerClicked);
        break;
    case 10:
        row->spin = new CVNQSpinBox(row->container);
        connect(row->spin, QOverload<int>::of(&QSpinBox::valueChanged), this, &CVNQPropertyListImpl::intChanged);
        connect(row->spin, &QAbstractSpinBox::editingFinished, this, &CVNQPropertyListImpl::editingFinished);
        break;
    default: break;
    }
    placeRow(row, top, width);
    row->container->show();
    pool[kind].push_back(std::move(owned));
    return row;
}

void CVNQPropertyListImpl::placeRow(CVNQPropertyRow* row, int top, int width) const
{
    const int cw = captionWidth;
    row->container->setGeometry(0, top, width, kRowHeight);
    if (row->caption)
        row->caption->setGeometry(0, 0, cw, kRowHeight);
    if (row->line)
        row->line->setGeometry(cw, 15, width - cw, 1);
    // The picker's button keeps the row's right end, the value beside it.
    if (row->value)
        row->value->setGeometry(cw, 0, width - cw - (row->picker ? 30 : 0), kRowHeight);
    if (row->picker)
        row->picker->setGeometry(width - 25, 5, 20, 20);
    if (row->edit)
        row->edit->setGeometry(cw, 0, width - cw, kRowHeight);
    if (row->check)
        row->check->setGeometry(cw, 0, width - cw, kRowHeight);
    if (row->spin)
        row->spin->setGeometry(cw, 0, width - cw, kRowHeight);
}

void CVNQPropertyListImpl::load(CVNQPropertyRow* row, const PropertyDef& def)
{
    QWidget* target = def.target;
    switch (def.type) {
    case PropReadOnlyText: row->value->setText(def.getString ? def.getString(target) : QString()); break;
    case PropName:
    case PropText: {
        LoadingScope loading(row->edit, def);
        const QString text = def.getString ? def.getString(target) : QString();
        if (row->edit->text() != text) // an equal text keeps the cursor and the undo steps
            row->edit->setText(text);
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

void CVNQPropertyListImpl::showPicked(const PropertyDef* def)
{
    for (CVNQPropertyRow* row : shown)
        if (row->picker && editedDef(row->picker) == def)
            load(row, *def);
}

void CVNQPropertyListImpl::showHeld(QWidget* editor, const PropertyDef& def, bool now)
{
    if (!now)
        return;
    for (CVNQPropertyRow* row : shown)
        if (row->edit == editor || row->check == editor || row->spin == editor) {
            load(row, def);
            return;
        }
}

void CVNQPropertyListImpl::editingFinished()
{
    auto* editor = qobject_cast<QWidget*>(sender());
    if (PropertyDef* def = editedDef(editor))
        showHeld(editor, *def, true);
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
    auto* editor = static_cast<QWidget*>(sender());
    showHeld(editor, *def, !editor->hasFocus());
    list()->updateValue(def);
}

void CVNQPropertyListImpl::toggled(bool checked)
{
    PropertyDef* def = editedDef(sender());
    if (!def)
        return;
    if (def->setBool)
        def->setBool(def->target, checked);
    showHeld(static_cast<QWidget*>(sender()), *def, true);
    list()->updateValue(def);
}

void CVNQPropertyListImpl::intChanged(int value)
{
    PropertyDef* def = editedDef(sender());
    if (!def)
        return;
    if (def->setInt)
        def->setInt(def->target, value);
    auto* editor = static_cast<QWidget*>(sender());
    showHeld(editor, *def, !editor->hasFocus());
    list()->updateValue(def);
}

void CVNQPropertyListImpl::pickerClicked()
{
    if (PropertyDef* def = editedDef(sender()))
        emit list()->selectEvent(def);
}

} // namespace CVNQtLib

#include "moc_CVNQPropertyListImpl.cpp"
