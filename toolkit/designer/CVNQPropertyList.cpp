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
        impl()->load(row, def);
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
    // A style the host picked shows in its row (the other editors show what
    // they edited).
    impl()->showPicked(def);
    if (def && def->target) {
        QEvent edited(cvnPropertyEditedEvent());
        QCoreApplication::sendEvent(def->target, &edited);
    }
    emit valueChanged(def);
}

void CVNQPropertyList::layout()
{
    CVNQPropertyListImpl* d = impl();
    if (!d->content)
        return;
    // As wide as the viewport: a shown vertical bar takes its room from the
    // rows, which would otherwise reach under it (and show a horizontal bar).
    // A list not laid out yet (never shown) has only its own width.
    const int w = testAttribute(Qt::WA_PendingResizeEvent) ? width() : viewport()->width();
    d->content->setFixedSize(w, int(d->shown.size()) * CVNQPropertyListImpl::kRowHeight);
    // A wider or narrower list takes its rows along.
    for (size_t i = 0; i < d->shown.size(); ++i)
        d->placeRow(d->shown[i], int(i) * CVNQPropertyListImpl::kRowHeight, w);
}

bool CVNQPropertyList::viewportEvent(QEvent* event)
{
    // The vertical bar comes and goes with the rows and the height.
    if (event->type() == QEvent::Resize)
        layout();
    return CVNQScrollView::viewportEvent(event);
}

void CVNQPropertyList::resizeEvent(QResizeEvent* event)
{
    layout();
    CVNQScrollView::resizeEvent(event);
}

} // namespace CVNQtLib

#include "moc_CVNQPropertyList.cpp"
