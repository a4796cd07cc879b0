#include "CVNQContainerPlugin.h"

#include "CVNQContainer.h"

namespace CVNQtLib {

QString CVNQContainerPlugin::name() const
{
    return QStringLiteral("CVNQContainer");
}
QString CVNQContainerPlugin::group() const
{
    return QString();
}
QString CVNQContainerPlugin::toolTip() const
{
    return QString();
}
QString CVNQContainerPlugin::whatsThis() const
{
    return QString();
}
QIcon CVNQContainerPlugin::icon() const
{
    return QIcon();
}
QString CVNQContainerPlugin::includeFile() const
{
    return QStringLiteral("CVNQContainer.h");
}

QString CVNQContainerPlugin::domXml() const
{
    return QStringLiteral("<widget class=\"CVNQContainer\" name=\"container\">\n</widget>\n");
}

bool CVNQContainerPlugin::isContainer() const
{
    return false;
}

void CVNQContainerPlugin::initialize(QDesignerFormEditorInterface*)
{
    if (m_initialized)
        return;
    m_initialized = true;
}

bool CVNQContainerPlugin::isInitialized() const
{
    return m_initialized;
}

QWidget* CVNQContainerPlugin::createWidget(QWidget* parent)
{
    return new CVNQContainer(parent);
}

} // namespace CVNQtLib
