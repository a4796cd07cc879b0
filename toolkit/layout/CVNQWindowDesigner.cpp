#include "CVNQWindowDesigner.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQResourceLocator.h"
#include "CVNQResourceManager.h"
#include "CVNQWindowImpl.h"
#include "CVNQWindowDesignerImpl.h"

#include <QEvent>
#include <QMoveEvent>
#include <QResizeEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQWindowDesigner, CVNQWindowDesignerImpl, "qtwindow")

CVNQWindowDesignerImpl::CVNQWindowDesignerImpl(CVNQWindowDesigner* owner)
    : CVNQControlImpl(owner, QString::fromLatin1(CVNQWindowDesigner::typeName()))
{}

void CVNQWindowDesignerImpl::readJson(const Json::Value& n)
{
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    if (!jsonHasMember(n, "attr"))
        return;
    const QString theme = jsonString(jsonGet(n, "attr"), "theme");
    if (theme.isEmpty())
        return;
    if (CVNQResourceLocator::isArchivePath(theme))
        rm->loadThemeFile(theme);
    else
        rm->loadThemeDir(theme);
}

void CVNQWindowDesignerImpl::writeJson(Json::Value& n) const
{
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    // The theme of the page is the one loaded now, not one read earlier.
    const QString path = rm->getThemeManagerIml() ? rm->getThemePath() : QString();
    cvnWriteOwnAttr(n, "theme", !path.isEmpty(), jsonUtf8(path));
    cvnDropEmptyAttr(n);
}

CVNQWindowDesigner::CVNQWindowDesigner(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    m_impl.reset(new CVNQWindowDesignerImpl(this));
    // No theme at construction: the page root carries the theme itself.
    CVNQResourceManager::getInstance()->registerDesignerWindow(this);
}

CVNQWindowDesigner::~CVNQWindowDesigner()
{
    CVNQResourceManager::getInstance()->unregisterDesignerWindow(this);
    if (QWidget* parent = parentWidget())
        parent->removeEventFilter(this);
}

bool CVNQWindowDesigner::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* parent = parentWidget();
    if (parent && watched == parent && event->type() == QEvent::Resize) {
        m_base.setGeometry(0, 0, parent->width(), parent->height());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CVNQWindowDesigner::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (pos() != QPoint(0, 0))
        move(0, 0);
}

void CVNQWindowDesigner::resizeEvent(QResizeEvent* event)
{
    if (QWidget* parent = parentWidget()) {
        m_base.setGeometry(0, 0, parent->width(), parent->height());
        parent->installEventFilter(this);
    }
    CVNQWindowImpl::resizeChildren(this);
    QWidget::resizeEvent(event);
}

} // namespace CVNQtLib

#include "moc_CVNQWindowDesigner.cpp"
#include "moc_CVNQWindowDesignerImpl.cpp"
