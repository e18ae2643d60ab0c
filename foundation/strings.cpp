#include <vok/Vok_strings.h>

namespace vok {

QString ShortString(const QString& S, int MaxLength)
{
    if (MaxLength <= 0)
        return QString();
    if (S.size() <= MaxLength)
        return S;
    int Length = MaxLength;
    if (S.at(Length - 1).isHighSurrogate())
        --Length;
    return S.left(Length);
}

} // namespace vok
