#include <vok/Vok_basetypes.h>

namespace vok {

QString ComponentMessage(const QString& ComponentName, const QString& Problem)
{
    return QStringLiteral("Component \"%1\": %2").arg(ComponentName, Problem);
}

} // namespace vok
