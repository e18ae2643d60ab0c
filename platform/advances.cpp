#include "advances.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
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
    QString Kept = All.toString();
    for (const QChar C : All)
        FAdvances[C.unicode()] = qint32(Shaped(QStringView(&C, 1)));
    // Drop the character in the most mismatched pairs until every pair of
    // the rest adds up. Each pair is measured once.
    QHash<QString, bool> PairAdds;
    const auto Adds = [&](QChar A, QChar B) {
        const QString Pair = QString(A) + B;
        if (const auto Found = PairAdds.constFind(Pair); Found != PairAdds.cend())
            return *Found;
        return *PairAdds.insert(Pair, Shaped(Pair) == qint64(FAdvances[A.unicode()]) + FAdvances[B.unicode()]);
    };
    for (;;) {
        std::array<int, 128> Mismatches{};
        for (const QChar A : Kept)
            for (const QChar B : Kept)
                if (!Adds(A, B)) {
                    ++Mismatches[A.unicode()];
                    ++Mismatches[B.unicode()];
                }
        const auto Worst = std::max_element(Mismatches.begin(), Mismatches.end());
        if (*Worst == 0)
            break;
        const QChar Dropped(char16_t(Worst - Mismatches.begin()));
        Kept.remove(Dropped);
        FAdvances[Dropped.unicode()] = NotAdditive;
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
