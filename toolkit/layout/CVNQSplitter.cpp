#include "CVNQSplitter.h"

#include "CVNJson.h"
#include "CVNQSplitterImpl.h"
#include "CVNQStateStyles.h"

#include <QMouseEvent>
#include <QPainter>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQSplitter, CVNQSplitterImpl, "qtsplitter")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQSplitter)

CVNQSplitterImpl::CVNQSplitterImpl(CVNQSplitter* owner)
    : CVNQControlImpl(owner, QString::fromLatin1(CVNQSplitter::typeName()))
{
    // Nothing is painted until a style is set.
    background.valid = false;
}

void CVNQSplitterImpl::draw(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, background, rect);
}

void CVNQSplitterImpl::createComplete()
{
    // Each pane not set yet takes the next control under the splitter that is
    // not a pane: a file's first two, or one a designer added later.
    QObjectList children = serializedChildren(m_owner);
    children.removeAll(upLeft.data());
    children.removeAll(downRight.data());
    for (QPointer<QWidget>* pane : {&upLeft, &downRight}) {
        if (!*pane && !children.isEmpty())
            *pane = qobject_cast<QWidget*>(children.takeFirst());
    }
}

void CVNQSplitterImpl::readJson(const Json::Value& n)
{
    cvnForEachStyleEntry(n, [this](const QString& name, int, int index) {
        cvnReadSlotEntry(Slots::background, index, name, background);
    });
}

void CVNQSplitterImpl::writeJson(Json::Value& n) const
{
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    jsonMember(n, "style") = list.empty() ? Json::Value() : list;
}

CVNQSplitter::CVNQSplitter(QWidget* parent)
    : QWidget(parent)
{
    m_impl.reset(new CVNQSplitterImpl(this));
    m_impl->applyTheme();
}

CVNQSplitter::~CVNQSplitter() = default;

void CVNQSplitter::setUpLeftWidget(QWidget* w)
{
    m_impl->upLeft = w;
}

const QWidget* CVNQSplitter::getUpLeftWidget() const
{
    return m_impl->upLeft.data();
}

void CVNQSplitter::setDownRightWidget(QWidget* w)
{
    m_impl->downRight = w;
}

const QWidget* CVNQSplitter::getDownRightWidget() const
{
    return m_impl->downRight.data();
}

void CVNQSplitter::setUpLeftLimit(int limit)
{
    m_impl->upLeftLimit = limit;
}

int CVNQSplitter::getUpLeftLimit() const
{
    return m_impl->upLeftLimit;
}

void CVNQSplitter::setDownRightLimit(int limit)
{
    m_impl->downRightLimit = limit;
}

int CVNQSplitter::getDownRightLimit() const
{
    return m_impl->downRightLimit;
}

void CVNQSplitter::setIsHor(bool horizontal)
{
    m_impl->isHor = horizontal;
}

bool CVNQSplitter::getIsHor() const
{
    return m_impl->isHor;
}

void CVNQSplitter::setBackground(const FillStyle& style)
{
    m_impl->background = style;
    update();
}

FillStyle CVNQSplitter::getBackground() const
{
    return m_impl->background;
}

// Accepted and consumed: the splitter keeps its mouse to itself.
void CVNQSplitter::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void CVNQSplitter::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void CVNQSplitter::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

} // namespace CVNQtLib

#include "moc_CVNQSplitter.cpp"
#include "moc_CVNQSplitterImpl.cpp"
