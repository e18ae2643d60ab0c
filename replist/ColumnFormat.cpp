#include "ColumnFormat.h"

#include <vok/Vok_base.h>

#include <limits>

namespace vok::replist {

namespace {
constexpr int MaxGeneratedLength = 255;
}

int ReadFormatNumber(QStringView Text, int Pos)
{
    qsizetype I = qMax(Pos, 1) - 1;
    while (I < Text.size() && Text[I] == u' ')
        ++I;
    bool Negative = false;
    if (I < Text.size() && (Text[I] == u'+' || Text[I] == u'-'))
        Negative = Text[I++] == u'-';
    qint64 Value = 0;
    while (I < Text.size() && Text[I] >= u'0' && Text[I] <= u'9') {
        Value = qMin<qint64>(Value * 10 + (Text[I].unicode() - u'0'), qint64(std::numeric_limits<int>::max()) + 1);
        ++I;
    }
    if (Negative)
        Value = -Value;
    return int(qBound(qint64(std::numeric_limits<int>::min()), Value, qint64(std::numeric_limits<int>::max())));
}

QString RowNumberHex(int Value, int Digits)
{
    Digits = qBound(1, Digits, 8);
    const quint32 Bits = quint32(Value);
    QString Result(Digits, QLatin1Char('0'));
    for (int I = 0; I < Digits; ++I)
        Result[Digits - 1 - I] = QLatin1Char("0123456789ABCDEF"[(Bits >> (4 * I)) & 0xF]);
    return Result;
}

QString RowNumberDec(int Value, int Digits)
{
    Digits = qBound(1, Digits, MaxGeneratedLength);
    quint64 Magnitude = Value < 0 ? quint64(-qint64(Value)) : quint64(Value);
    QString Result(Digits, QLatin1Char('0'));
    for (int I = Digits - 1; I >= 0 && Magnitude != 0; --I, Magnitude /= 10)
        Result[I] = QLatin1Char(char('0' + Magnitude % 10));
    return Value < 0 ? QLatin1Char('-') + Result : Result;
}

ColumnFormatParts ParseColumnFormat(const QString& Format)
{
    ColumnFormatParts Parts;
    QString Rest = Format;
    if (Rest.startsWith(QLatin1Char('['))) {
        const qsizetype Close = Rest.indexOf(QLatin1Char(']'));
        QString Type = Close < 0 ? Rest.mid(1) : Rest.mid(1, Close - 1);
        Rest = Close < 0 ? QString() : Rest.mid(Close + 1);
        if (Type.startsWith(QLatin1Char('#'))) {
            Parts.ReadOnly = true;
            Type.remove(0, 1);
        }
        if (!Type.isEmpty()) {
            Parts.TypeLetter = Type[0];
            Parts.TypeText = Type.mid(1);
        }
    }
    if (Rest.startsWith(QLatin1Char('['))) {
        const qsizetype Close = Rest.indexOf(QLatin1Char(']'));
        const int Width = ReadFormatNumber(Rest, 2);
        if (Width >= 1)
            Parts.Width = Width;
        Rest = Close < 0 ? QString() : Rest.mid(Close + 1);
    }
    Parts.Default = Rest;
    return Parts;
}

QString FormatDefaultValue(const QString& Format, int Row)
{
    const qsizetype TypeEnd = Format.indexOf(QLatin1Char(']'));
    if (TypeEnd < 0)
        return QString();
    QString Rest = Format.mid(TypeEnd + 1);
    if (Rest.isEmpty())
        return QString();
    const qsizetype WidthEnd = Rest.indexOf(QLatin1Char(']'));
    if (WidthEnd >= 0)
        Rest = Rest.mid(WidthEnd + 1);

    // The type letter follows the "[" and the read-only mark "#", if any: a
    // read-only column proposes the same default as a writable one.
    qsizetype LetterAt = Format.left(TypeEnd).indexOf(QLatin1Char('[')) + 1;
    if (LetterAt > 0 && LetterAt < TypeEnd && Format[LetterAt] == u'#')
        ++LetterAt;
    const QChar Letter = LetterAt > 0 && LetterAt < TypeEnd ? Format[LetterAt] : QChar();
    const QString LowerRest = Rest.toLower();
    switch (Letter.unicode()) {
    case u'c':
    case u'l':
        return Rest.section(QLatin1Char('|'), 0, 0);
    case u'd':
        return Rest;
    case u'e':
    case u'f':
    case u'h':
    case u'i': {
        if (!LowerRest.contains(QLatin1String("rix")))
            return Rest;
        const int Digits = ReadFormatNumber(Rest, 4);
        if (Letter == u'h')
            return RowNumberHex(Row, Digits);
        if (Letter == u'i')
            return RowNumberDec(Row, Digits);
        return strff(Row, 1, qBound(0, Digits, MaxGeneratedLength));
    }
    case u's':
        if (!LowerRest.contains(QLatin1String("$pwd$")))
            return Rest;
        return InventPassword(qBound(0, ReadFormatNumber(Rest, 6), MaxGeneratedLength));
    default:
        return QString();
    }
}

} // namespace vok::replist
