#include "GustrelResources.h"

#include <QtGlobal>

void initGustrelResources()
{
    Q_INIT_RESOURCE(gustrel);
}

QString gustrelIconPath(const QString& name)
{
    return QStringLiteral(":/gustrel/icons/") + name + QStringLiteral(".svg");
}
