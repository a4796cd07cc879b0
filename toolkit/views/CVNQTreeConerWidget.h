#pragma once

// The corner between the tree's scroll bars; paints the tree's background.

#include "CVNQGlobal.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQTreeViewImpl;

class CVNQ_EXPORT CVNQTreeConerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CVNQTreeConerWidget(QWidget* parent = nullptr);
    void setImpl(CVNQTreeViewImpl* impl) { m_impl = impl; }

protected:
    void paintEvent(QPaintEvent* event) override;

    CVNQTreeViewImpl* m_impl = nullptr;
};

} // namespace CVNQtLib
