#pragma once

// The combo box's popup list: a QListView that paints the popup background
// behind its rows and draws each row through CVNQComboItemDelegate.

#include "CVNQComboItemDelegate.h"
#include "CVNQGlobal.h"

#include <QListView>

namespace CVNQtLib {

class CVNQComboBoxImpl;

class CVNQ_EXPORT CVNQComboList : public QListView
{
    Q_OBJECT
public:
    explicit CVNQComboList(CVNQComboBoxImpl* impl, QWidget* parent = nullptr);

    // Cleared by the combo box when its styles go away before the list.
    void setImpl(CVNQComboBoxImpl* impl);
    CVNQComboItemDelegate* delegate() { return &m_delegate; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CVNQComboBoxImpl* m_impl;
    CVNQComboItemDelegate m_delegate;
};

} // namespace CVNQtLib
