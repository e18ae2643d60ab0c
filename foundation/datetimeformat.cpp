#include <vok/Vok_system.h>

#include <QLocale>

namespace vok {

namespace {

// How many times Ch repeats from Pos on (case-insensitive), at most Max.
int RunLength(const QString& Text, qsizetype Pos, QChar Ch, int Max)
{
    int N = 0;
    while (N < Max && Pos + N < Text.size() && Text[Pos + N].toLower() == Ch)
        ++N;
    return N;
}

QString TwoDigits(int Value) { return QString::number(Value).rightJustified(2, QLatin1Char('0')); }

} // namespace

QString FormatDateTimeClassic(const QString& Format, const QDateTime& Dt)
{
    const QLocale C = QLocale::c();
    const QDate D = Dt.date();
    const QTime T = Dt.time();
    const bool TwelveHours = Format.contains(QLatin1String("am/pm"), Qt::CaseInsensitive);
    QString Out;
    bool AfterHour = false;
    qsizetype I = 0;
    while (I < Format.size()) {
        const QChar Ch = Format[I];
        const QChar Lower = Ch.toLower();
        if (Ch == QLatin1Char('"') || Ch == QLatin1Char('\'')) {
            const qsizetype End = Format.indexOf(Ch, I + 1);
            const qsizetype Stop = End < 0 ? Format.size() : End;
            Out += Format.mid(I + 1, Stop - I - 1);
            I = Stop + 1;
            continue;
        }
        if (Format.mid(I, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            const QString Half = T.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            Out += Ch.isUpper() ? Half.toUpper() : Half;
            I += 5;
            continue;
        }
        int N = 1;
        bool Token = true;
        switch (Lower.unicode()) {
        case 'y':
            N = RunLength(Format, I, Lower, 4);
            Out += N >= 3 ? QString::number(D.year()).rightJustified(4, QLatin1Char('0')) : TwoDigits(D.year() % 100);
            break;
        case 'm':
            N = RunLength(Format, I, Lower, 4);
            if (AfterHour && N <= 2)
                Out += N == 2 ? TwoDigits(T.minute()) : QString::number(T.minute());
            else if (N >= 3)
                Out += C.monthName(D.month(), N == 4 ? QLocale::LongFormat : QLocale::ShortFormat);
            else
                Out += N == 2 ? TwoDigits(D.month()) : QString::number(D.month());
            break;
        case 'd':
            N = RunLength(Format, I, Lower, 4);
            if (N >= 3)
                Out += C.dayName(D.dayOfWeek(), N == 4 ? QLocale::LongFormat : QLocale::ShortFormat);
            else
                Out += N == 2 ? TwoDigits(D.day()) : QString::number(D.day());
            break;
        case 'h': {
            N = RunLength(Format, I, Lower, 2);
            const int Hour = TwelveHours ? (T.hour() + 11) % 12 + 1 : T.hour();
            Out += N == 2 ? TwoDigits(Hour) : QString::number(Hour);
            break;
        }
        case 'n':
            N = RunLength(Format, I, Lower, 2);
            Out += N == 2 ? TwoDigits(T.minute()) : QString::number(T.minute());
            break;
        case 's':
            N = RunLength(Format, I, Lower, 2);
            Out += N == 2 ? TwoDigits(T.second()) : QString::number(T.second());
            break;
        default:
            Token = false;
            Out += Ch;
            break;
        }
        if (Token)
            AfterHour = Lower == QLatin1Char('h');
        I += N;
    }
    return Out;
}

} // namespace vok
