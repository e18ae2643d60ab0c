#include "advances.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

#include <cmath>

namespace vok::text {

QStringView AdditiveAdvances::Candidates()
{
    return u"0123456789+-.,:;/%()[] eE";
}

AdditiveAdvances::AdditiveAdvances(const Measure& Shaped)
{
    FAdvances.fill(NotAdditive);
    const QStringView All = Candidates();
    for (const QChar C : All)
        FAdvances[C.unicode()] = qint32(Shaped(QStringView(&C, 1)));
    // The pairs shaped to another width than their two characters apart.
    QList<std::pair<QChar, QChar>> Mismatched;
    for (const QChar A : All)
        for (const QChar B : All)
            if (Shaped(QString(A) + B) != qint64(FAdvances[A.unicode()]) + FAdvances[B.unicode()])
                Mismatched.append({A, B});
    // Drop the character in most of them until none is left among the rest.
    for (;;) {
        std::array<int, 128> Count{};
        for (const auto& [A, B] : Mismatched)
            if (IsAdditive(A) && IsAdditive(B)) {
                ++Count[A.unicode()];
                ++Count[B.unicode()];
            }
        const auto Worst = std::max_element(Count.begin(), Count.end());
        if (*Worst == 0)
            break;
        FAdvances[std::size_t(Worst - Count.begin())] = NotAdditive;
    }
}

bool AdditiveAdvances::IsAdditive(QChar C) const
{
    return C.unicode() < FAdvances.size() && FAdvances[C.unicode()] != NotAdditive;
}

std::optional<int> AdditiveAdvances::Width(QStringView Text) const
{
    qint64 Sum = 0;
    for (const QChar C : Text) {
        if (!IsAdditive(C))
            return std::nullopt;
        Sum += FAdvances[C.unicode()];
    }
    // Half a pixel rounds up, as Qt rounds its fixed-point widths.
    return int((Sum + 32) >> 6);
}

std::shared_ptr<const AdditiveAdvances> AdditiveAdvancesOf(const QFont& Font)
{
    static QMutex Lock;
    static QHash<QString, std::shared_ptr<const AdditiveAdvances>> ByFont;
    const QMutexLocker Locked(&Lock);
    // The key leaves out kerning and hinting, which change widths.
    const QString Key =
        Font.key() + u',' + QString::number(Font.kerning()) + u',' + QString::number(Font.hintingPreference());
    std::shared_ptr<const AdditiveAdvances>& Found = ByFont[Key];
    if (!Found) {
        const QFontMetricsF Metrics(Font);
        Found = std::make_shared<const AdditiveAdvances>([&](QStringView Text) {
            return qint64(std::llround(Metrics.horizontalAdvance(Text.toString()) * 64));
        });
    }
    return Found;
}

} // namespace vok::text
