#pragma once

// A node-graph view: rounded node cards over a line grid, joined by curved
// connections. Nodes can be selected, and, unless the view is read-only,
// dragged and connected from a port (the midpoint of a card side) to
// another node. Positions and sizes are fractions of the view's size, so
// the graph scales with the widget. Used only through this interface: no
// JSON, no designer table.

#include "CVNQContainer.h"

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QVector>

namespace CVNQtLib {

struct CVNQ_EXPORT CVNQFlowNode
{
    QString id;
    QPointF position; // card centre, fraction of the view's width and height
    QSizeF size;      // fraction of the view's width and height
    QString title;
    QString detail;
    QString footer;
    QColor accentColor;
    QColor fillColor;
    QColor borderColor;
    QColor selectedBorderColor;
    bool selected = false; // kept equal to (id == the view's selected id)
};

struct CVNQ_EXPORT CVNQFlowConnection
{
    QString fromId;
    QString toId;
    QColor color;
    bool arrow = false; // arrow head at the toId end
};

class CVNQ_EXPORT CVNQFlowView : public CVNQContainer
{
    Q_OBJECT
public:
    enum Port : int
    {
        Left = 0,
        Right = 1,
        Top = 2,
        Bottom = 3
    };

    explicit CVNQFlowView(QWidget* parent = nullptr);
    ~CVNQFlowView() override;

    void setNodes(const QVector<CVNQFlowNode>& nodes);
    QVector<CVNQFlowNode> nodes() const;
    // Taken as given: ids and duplicates are not checked; connections
    // whose nodes are missing are kept but not drawn.
    void setConnections(const QVector<CVNQFlowConnection>& connections);
    QVector<CVNQFlowConnection> connections() const;
    // False, changing nothing, for empty or equal ids, a missing node or an
    // existing connection of the same direction.
    bool addConnection(const QString& fromId, const QString& toId);
    bool removeConnection(const QString& fromId, const QString& toId);

    void setSelectedNodeId(const QString& id);
    QString selectedNodeId() const;
    // Ends any drag.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const;
    void setGridVisible(bool visible);
    bool isGridVisible() const;
    // Never below 1.0; NaN and infinities give 1.0.
    void setConnectionWidth(double width);
    double connectionWidth() const;

Q_SIGNALS:
    void nodeActivated(QString nodeId);
    void nodeMoved(QString nodeId, QPointF center);
    void connectionCreated(QString fromId, QString toId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF cardRect(const CVNQFlowNode& node) const;
    QPointF normalizedPosition(const QPointF& point, const QSizeF& size) const;
    int nodeIndex(const QString& id) const;
    int nodeAt(const QPointF& point) const;
    // The node one of whose ports lies within reach of point, -1 for none.
    int portNodeAt(const QPointF& point) const;
    void updateSelectedFlags();
    void paintConnection(QPainter& painter, const CVNQFlowConnection& connection) const;
    void paintNode(QPainter& painter, const CVNQFlowNode& node) const;

    QVector<CVNQFlowNode> m_nodes;
    QVector<CVNQFlowConnection> m_connections;
    QString m_selectedId;
    QString m_draggedId;
    QString m_connectionSourceId;
    QPointF m_connectionEnd;
    bool m_readOnly = true;
    bool m_gridVisible = true;
    bool m_draggingNode = false;
    bool m_draggingConnection = false;
    double m_connectionWidth = 2.4;
};

} // namespace CVNQtLib
