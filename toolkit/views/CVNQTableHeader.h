#pragma once

// The data grid's header: themed sections (normal state styles) and, with
// the check-box column on, a check box in section 0 whose clicks the view
// reports through headerCheckedChanged.

#include "CVNQGlobal.h"

#include <QHeaderView>

namespace CVNQtLib {

class CVNQTableView;
class CVNQTableViewImpl;

class CVNQ_EXPORT CVNQTableHeader : public QHeaderView
{
    Q_OBJECT
public:
    CVNQTableHeader(Qt::Orientation orientation, CVNQTableView* view, CVNQTableViewImpl* impl);

    // Section rectangle of a logical section in viewport coordinates.
    QRect sectionRect(int logicalIndex) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CVNQTableView* m_view;
    CVNQTableViewImpl* m_impl;
};

} // namespace CVNQtLib
