#include "CVNQFlowView.h"
#include "CVNQOutlives.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace CVNQtLib {

namespace {

const double kMinCardWidth = 86.0;
const double kMinCardHeight = 66.0;
const double kPortReach = 12.0;
const double kGridStep = 28.0;
const double kMinConnectionWidth = 1.0;

double clampCentre(double value, double extent, double total)
{
    const double low = extent / 2;
    const double high = std::max(total - extent / 2, low);
    return std::min(std::max(value, low), high);
}

CVNQFlowView::Port portTowards(const QRectF& rect, const QPointF& point)
{
    const QPointF d = point - rect.center();
    if (std::abs(d.x()) >= std::abs(d.y()))
        return d.x() >= 0 ? CVNQFlowView::Right : CVNQFlowView::Left;
    return d.y() >= 0 ? CVNQFlowView::Bottom : CVNQFlowView::Top;
}

QPointF portPoint(const QRectF& rect, CVNQFlowView::Port port)
{
    switch (port) {
    case CVNQFlowView::Left: return QPointF(rect.left(), rect.center().y());
    case CVNQFlowView::Right: return QPointF(rect.right(), rect.center().y());
    case CVNQFlowView::Top: return QPointF(rect.center().x(), rect.top());
    case CVNQFlowView::Bottom: return QPointF(rect.center().x(), rect.bottom());
    }
    return rect.center();
}

// The unit vector out of a card through a port.
QPointF portDirection(CVNQFlowView::Port port)
{
    switch (port) {
    case CVNQFlowView::Left: return QPointF(-1, 0);
    case CVNQFlowView::Right: return QPointF(1, 0);
    case CVNQFlowView::Top: return QPointF(0, -1);
    case CVNQFlowView::Bottom: return QPointF(0, 1);
    }
    return QPointF(1, 0);
}

} // namespace

CVNQFlowView::CVNQFlowView(QWidget* parent)
    : CVNQContainer(parent)
{
    setObjectName(QStringLiteral("flowView"));
    setChildLayout(NoUse);
    setMouseTracking(true);
}

CVNQFlowView::~CVNQFlowView() = default;

void CVNQFlowView::setNodes(const QVector<CVNQFlowNode>& nodes)
{
    m_nodes = nodes;
    updateSelectedFlags();
    update();
}

QVector<CVNQFlowNode> CVNQFlowView::nodes() const
{
    return m_nodes;
}

void CVNQFlowView::setConnections(const QVector<CVNQFlowConnection>& connections)
{
    m_connections = connections;
    update();
}

QVector<CVNQFlowConnection> CVNQFlowView::connections() const
{
    return m_connections;
}

bool CVNQFlowView::addConnection(const QString& fromId, const QString& toId)
{
    if (fromId.isEmpty() || toId.isEmpty() || fromId == toId || nodeIndex(fromId) < 0 || nodeIndex(toId) < 0)
        return false;
    for (const CVNQFlowConnection& c : qAsConst(m_connections))
        if (c.fromId == fromId && c.toId == toId)
            return false;
    m_connections.append({fromId, toId, QColor(74, 122, 128, 255), false});
    update();
    emit connectionCreated(fromId, toId);
    return true;
}

bool CVNQFlowView::removeConnection(const QString& fromId, const QString& toId)
{
    for (int i = 0; i < m_connections.size(); ++i) {
        if (m_connections.at(i).fromId == fromId && m_connections.at(i).toId == toId) {
            m_connections.remove(i);
            update();
            return true;
        }
    }
    return false;
}

void CVNQFlowView::setSelectedNodeId(const QString& id)
{
    m_selectedId = id;
    updateSelectedFlags();
    update();
}

QString CVNQFlowView::selectedNodeId() const
{
    return m_selectedId;
}

void CVNQFlowView::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_draggedId.clear();
    m_connectionSourceId.clear();
    m_draggingNode = false;
    update();
}

bool CVNQFlowView::isReadOnly() const
{
    return m_readOnly;
}

void CVNQFlowView::setGridVisible(bool visible)
{
    m_gridVisible = visible;
    update();
}

bool CVNQFlowView::isGridVisible() const
{
    return m_gridVisible;
}

void CVNQFlowView::setConnectionWidth(double width)
{
    // The painter must get a finite pen width of at least the minimum.
    m_connectionWidth = std::isfinite(width) ? std::max(width, kMinConnectionWidth) : kMinConnectionWidth;
    update();
}

double CVNQFlowView::connectionWidth() const
{
    return m_connectionWidth;
}

QRectF CVNQFlowView::cardRect(const CVNQFlowNode& node) const
{
    const double W = width();
    const double H = height();
    const double w = std::max(W * node.size.width(), kMinCardWidth);
    const double h = std::max(H * node.size.height(), kMinCardHeight);
    const double x = clampCentre(std::max(W, 1.0) * node.position.x(), w, W);
    const double y = clampCentre(std::max(H, 1.0) * node.position.y(), h, H);
    return QRectF(x - w / 2, y - h / 2, w, h);
}

QPointF CVNQFlowView::normalizedPosition(const QPointF& point, const QSizeF& size) const
{
    const double W = width();
    const double H = height();
    const double w = std::max(W * size.width(), kMinCardWidth);
    const double h = std::max(H * size.height(), kMinCardHeight);
    return QPointF(clampCentre(point.x(), w, W) / std::max(W, 1.0), clampCentre(point.y(), h, H) / std::max(H, 1.0));
}

int CVNQFlowView::nodeIndex(const QString& id) const
{
    for (int i = 0; i < m_nodes.size(); ++i)
        if (m_nodes.at(i).id == id)
            return i;
    return -1;
}

int CVNQFlowView::nodeAt(const QPointF& point) const
{
    for (int i = m_nodes.size() - 1; i >= 0; --i)
        if (cardRect(m_nodes.at(i)).contains(point))
            return i;
    return -1;
}

int CVNQFlowView::portNodeAt(const QPointF& point) const
{
    for (int i = m_nodes.size() - 1; i >= 0; --i) {
        const QRectF rect = cardRect(m_nodes.at(i));
        for (Port port : {Left, Right, Top, Bottom}) {
            const QPointF d = portPoint(rect, port) - point;
            if (std::hypot(d.x(), d.y()) <= kPortReach)
                return i;
        }
    }
    return -1;
}

void CVNQFlowView::updateSelectedFlags()
{
    for (CVNQFlowNode& node : m_nodes)
        node.selected = node.id == m_selectedId;
}

void CVNQFlowView::paintEvent(QPaintEvent* event)
{
    CVNQContainer::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_gridVisible) {
        painter.setPen(QPen(QColor(39, 43, 49, 255), 1.0, Qt::SolidLine));
        for (double x = kGridStep; x < width(); x += kGridStep)
            painter.drawLine(QPointF(x, 0), QPointF(x, height()));
        for (double y = kGridStep; y < height(); y += kGridStep)
            painter.drawLine(QPointF(0, y), QPointF(width(), y));
    }
    for (const CVNQFlowConnection& c : qAsConst(m_connections))
        paintConnection(painter, c);
    const int source = m_draggingConnection ? nodeIndex(m_connectionSourceId) : -1;
    if (source >= 0) {
        const QRectF rect = cardRect(m_nodes.at(source));
        painter.setPen(QPen(QColor(146, 134, 255, 255), m_connectionWidth, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(portPoint(rect, portTowards(rect, m_connectionEnd)), m_connectionEnd);
    }
    for (const CVNQFlowNode& node : qAsConst(m_nodes))
        paintNode(painter, node);
}

void CVNQFlowView::paintConnection(QPainter& painter, const CVNQFlowConnection& connection) const
{
    const int from = nodeIndex(connection.fromId);
    const int to = nodeIndex(connection.toId);
    if (from < 0 || to < 0)
        return;
    const QRectF fromRect = cardRect(m_nodes.at(from));
    const QRectF toRect = cardRect(m_nodes.at(to));
    const Port fromPort = portTowards(fromRect, toRect.center());
    const Port toPort = portTowards(toRect, fromRect.center());
    const QPointF start = portPoint(fromRect, fromPort);
    const QPointF end = portPoint(toRect, toPort);
    const QPointF u = portDirection(fromPort);

    QPainterPath path(start);
    if (fromPort == Left || fromPort == Right) {
        const double d = std::max(std::abs(end.x() - start.x()) * 0.45, 24.0) * u.x();
        path.cubicTo(QPointF(start.x() + d, start.y()), QPointF(end.x() - d, end.y()), end);
    } else {
        const double d = std::max(std::abs(end.y() - start.y()) * 0.45, 24.0) * u.y();
        path.cubicTo(QPointF(start.x(), start.y() + d), QPointF(end.x(), end.y() - d), end);
    }
    painter.setPen(QPen(connection.color, m_connectionWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);

    if (connection.arrow) {
        const QPointF normal(-u.y(), u.x());
        const QPointF base = end - 7 * u;
        const QPointF head[3] = {end, base + 3.5 * normal, base - 3.5 * normal};
        painter.setPen(Qt::NoPen);
        painter.setBrush(connection.color);
        painter.drawPolygon(head, 3);
    }
}

void CVNQFlowView::paintNode(QPainter& painter, const CVNQFlowNode& node) const
{
    const QRectF rect = cardRect(node);
    painter.setPen(node.selected ? QPen(node.selectedBorderColor, 2.2) : QPen(node.borderColor, 1.2));
    painter.setBrush(node.fillColor);
    painter.drawRoundedRect(rect, 7, 7);

    painter.setPen(Qt::NoPen);
    painter.setBrush(node.accentColor);
    painter.drawEllipse(QRectF(rect.left() + 9, rect.top() + 9, 9, 9));

    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(242, 244, 247));
    painter.drawText(QRectF(rect.left() + 24, rect.top() + 5, rect.width() - 31, 23), Qt::AlignLeft | Qt::AlignVCenter,
                     node.title);

    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(167, 176, 184));
    const QString detail =
        QFontMetrics(font).elidedText(node.detail, Qt::ElideRight, int(std::max(rect.width() - 18, 20.0)));
    painter.drawText(QRectF(rect.left() + 9, rect.top() + 27, rect.width() - 18, std::max(rect.height() - 51, 15.0)),
                     Qt::AlignLeft | Qt::AlignVCenter, detail);

    painter.setPen(node.accentColor);
    painter.drawText(QRectF(rect.left() + 9, rect.bottom() - 23, rect.width() - 18, 18),
                     Qt::AlignLeft | Qt::AlignVCenter, node.footer);
}

void CVNQFlowView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF point = event->localPos();
    const int index = nodeAt(point);
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QString id = m_nodes.at(index).id;
    m_selectedId = id;
    updateSelectedFlags();
    update();
    event->accept();
    if (!cvnOutlives(this, [&] { emit nodeActivated(id); }))
        return;
    if (!m_readOnly) {
        // A press on a card that is near a port starts a connection; the
        // port may belong to another card where cards overlap.
        const int portNode = portNodeAt(point);
        if (portNode >= 0) {
            m_connectionSourceId = m_nodes.at(portNode).id;
            m_connectionEnd = point;
            m_draggingConnection = true;
        } else {
            m_draggedId = id;
            m_draggingNode = true;
        }
    }
}

void CVNQFlowView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_draggingNode) {
        const int index = nodeIndex(m_draggedId);
        if (index >= 0) {
            CVNQFlowNode& node = m_nodes[index];
            node.position = normalizedPosition(event->localPos(), node.size);
            update();
            emit nodeMoved(node.id, node.position);
        }
        event->accept();
        return;
    }
    if (m_draggingConnection) {
        m_connectionEnd = event->localPos();
        update();
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void CVNQFlowView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        CVNQContainer::mouseReleaseEvent(event);
        return;
    }
    if (m_draggingConnection) {
        const int target = nodeAt(event->localPos());
        const QString source = m_connectionSourceId;
        // The view ends its drag first: a slot of connectionCreated may
        // delete it.
        m_connectionSourceId.clear();
        m_draggingConnection = false;
        m_draggedId.clear();
        m_draggingNode = false;
        event->accept();
        update();
        if (target >= 0 && m_nodes.at(target).id != source)
            addConnection(source, m_nodes.at(target).id);
        return;
    }
    m_draggedId.clear();
    m_draggingNode = false;
    event->accept();
}

} // namespace CVNQtLib

#include "moc_CVNQFlowView.cpp"
