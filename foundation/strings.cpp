#include <vok/Vok_strings.h>

#include "Utf8Text.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace vok {

namespace detail {

QString TextFromUtf8(QByteArrayView Utf8)
{
    if (!Utf8.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(Utf8);
    QStringDecoder Decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    return Decoder.decode(Utf8);
}

void AssignTextFromUtf8(QString& Target, QByteArrayView Utf8)
{
    for (const char C : Utf8)
        if (static_cast<unsigned char>(C) >= 0x80) {
            Target = TextFromUtf8(Utf8);
            return;
        }
    Target.resize(Utf8.size());
    QChar* Out = Target.data();
    for (const char C : Utf8)
        *Out++ = QLatin1Char(C);
}

bool AsciiToBuffer(QStringView Text, char* Buffer, qsizetype Capacity)
{
    if (Text.size() > Capacity)
        return false;
    for (const QChar C : Text) {
        if (C.unicode() >= 0x80)
            return false;
        *Buffer++ = static_cast<char>(C.unicode());
    }
    return true;
}

} // namespace detail

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

QString strff(double Value, int Width, int Decimals)
{
    QString Text;
    if (std::isnan(Value))
        Text = QStringLiteral("NaN");
    else if (std::isinf(Value))
        Text = Value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    else
        Text = QString::number(Value, 'f', std::clamp(Decimals, 0, 30));
    return Text.rightJustified(std::clamp(Width, 0, 1000), QLatin1Char(' '));
}

int Tokenize(const QString& Text, QChar Delimiter, QStringList& Parts)
{
    Parts = Text.isEmpty() ? QStringList() : Text.split(Delimiter);
    return int(Parts.size());
}

int NumberedPos(const QString& Sought, const QString& Text, int Start, int Occurrence, bool IgnoreCase)
{
    if (Sought.isEmpty() || Occurrence < 1)
        return 0;
    const Qt::CaseSensitivity Cs = IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    qsizetype From = std::max(Start, 1) - 1;
    for (int Found = 0;; ++From) {
        From = Text.indexOf(Sought, From, Cs);
        if (From < 0)
            return 0;
        if (++Found == Occurrence)
            return int(From) + 1;
    }
}

QString LeftString(const QString& Text, int N)
{
    if (N <= 0)
        return QString();
    return Text.leftJustified(N, QLatin1Char(' '), true);
}

QString ReplaceCharInString(const QString& Text, QChar OldChar, QChar NewChar)
{
    QString Result = Text;
    return Result.replace(OldChar, NewChar);
}

QString RemoveControlChars(const QString& Text)
{
    QString Result;
    Result.reserve(Text.size());
    for (const QChar C : Text)
        if (C.category() != QChar::Other_Control)
            Result += C;
    return Result;
}

QString StripLeadingChars(QChar Ch, const QString& Text)
{
    qsizetype I = 0;
    while (I < Text.size() && Text[I] == Ch)
        ++I;
    return Text.mid(I);
}

QString StripTrailingChars(QChar Ch, const QString& Text)
{
    qsizetype N = Text.size();
    while (N > 0 && Text[N - 1] == Ch)
        --N;
    return Text.left(N);
}

QString EnsureTrailingChar(QChar Ch, const QString& Text) { return StripTrailingChars(Ch, Text) + Ch; }

QString EnsureTrailingBkSlash(const QString& Path) { return EnsureTrailingChar(QLatin1Char('\\'), Path); }

QString EnsureTrailingSeparator(const QString& Path) { return EnsureTrailingChar(QLatin1Char('/'), Path); }

bool DirExists(const QString& Path) { return !Path.isEmpty() && QFileInfo(Path).isDir(); }

QString ParentDir(const QString& Path)
{
    const auto IsSeparator = [](QChar C) { return C == QLatin1Char('/') || C == QLatin1Char('\\'); };
    qsizetype End = Path.size();
    while (End > 1 && IsSeparator(Path[End - 1]))
        --End;
    if (End == 1 && IsSeparator(Path[0]))
        return QString(); // the root has no parent
    qsizetype Cut = End - 1;
    while (Cut >= 0 && !IsSeparator(Path[Cut]))
        --Cut;
    if (Cut < 0)
        return QString();
    if (Cut == 0)
        return Path.left(1); // a child of the root
    while (Cut > 1 && IsSeparator(Path[Cut - 1]))
        --Cut;
    return Path.left(Cut);
}

QString InventPassword(int N)
{
    static const QString Alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    const int Length = std::clamp(N, 0, 255);
    QString Result(Length, QChar());
    for (QChar& C : Result)
        C = Alphabet[int(QRandomGenerator::system()->bounded(quint32(Alphabet.size())))];
    return Result;
}

QString ReadLnStream(QIODevice& Stream, bool& EndOfStream, int /*Mode*/)
{
    QByteArray Line;
    // Only at the very start of the stream is a U+FEFF a byte-order mark.
    const bool AtStart = Stream.pos() == 0;
    if (Stream.isReadable()) {
        for (;;) {
            const QByteArray Ahead = Stream.peek(4096);
            if (Ahead.isEmpty())
                break;
            const auto Terminator = std::find_if(Ahead.begin(), Ahead.end(), [](char C) { return C == '\r' || C == '\n'; });
            Line += Stream.read(Terminator - Ahead.begin());
            if (Terminator == Ahead.end())
                continue;
            char C = 0;
            Stream.getChar(&C);
            char Next = 0;
            if (C == '\r' && Stream.peek(&Next, 1) == 1 && Next == '\n')
                Stream.getChar(&Next);
            break;
        }
    }
    EndOfStream = !Stream.isReadable() || Stream.atEnd();
    return AtStart ? QString::fromUtf8(Line) : detail::TextFromUtf8(Line);
}

} // namespace vok
