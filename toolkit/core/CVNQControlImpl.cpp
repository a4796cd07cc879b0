#include "CVNQControlImpl.h"

namespace CVNQtLib {

bool CVNQControlImpl::serializeJsonValue(Json::Value** node, bool read)
{
    const bool result = CVNQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;
    if (read)
        readJson(**node);
    else
        writeJson(**node);
    return result;
}

} // namespace CVNQtLib

#include "moc_CVNQControlImpl.cpp"
