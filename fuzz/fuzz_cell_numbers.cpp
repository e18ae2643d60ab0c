// Numbers inside cell texts: the natural order of report-list cells
// (CompareNatural, which reads numbers with "." or "," and an exponent) and
// the integer check of the data tables (IsValidDecInt).
//
// Invariants:
// - the order is a strict weak order on the three texts (reflexive,
//   antisymmetric, transitive), empty cells first, numbers before texts;
// - two numbers compare as the C library reads them (beyond the double
//   range: infinite, below it: zero);
// - IsValidDecInt accepts exactly an optionally signed run of digits with a
//   value inside int, blanks around it allowed.
#include "FuzzCheck.h"

#include <vok/Vok_math.h>
#include <vok/Vok_stringarray.h>

#include <QRegularExpression>

#include <charconv>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>

using namespace vok;

namespace {

int Sign(int V) { return (V > 0) - (V < 0); }

// The value of a cell that holds a number, read by strtod.
std::optional<double> CellNumber(const QString& Text)
{
    static const QRegularExpression Number(
        QStringLiteral("^[ \\t]*([+-]?(?:[0-9]+[.,]?[0-9]*|[.,][0-9]+)(?:[eE][+-]?[0-9]+)?)[ \\t]*\\z"));
    const QRegularExpressionMatch Match = Number.match(Text);
    if (!Match.hasMatch())
        return std::nullopt;
    const std::string Core = Match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toStdString();
    static const locale_t C = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(Core.c_str(), nullptr, C);
}

int Rank(const QString& Text)
{
    if (Text.isEmpty())
        return 0;
    return CellNumber(Text) ? 1 : 2;
}

void CheckPair(const QString& A, const QString& B)
{
    const int AB = Sign(CompareNatural(A, B));
    FUZZ_CHECK(AB == -Sign(CompareNatural(B, A)));
    if (Rank(A) != Rank(B)) {
        FUZZ_CHECK(AB == (Rank(A) < Rank(B) ? -1 : 1));
        return;
    }
    const std::optional<double> NA = CellNumber(A);
    const std::optional<double> NB = CellNumber(B);
    if (NA && NB)
        FUZZ_CHECK(AB == (*NA < *NB ? -1 : *NB < *NA ? 1 : 0));
}

void CheckDecInt(const QString& Text)
{
    int Value = 0;
    const bool Valid = IsValidDecInt(Text, Value);
    FUZZ_CHECK(Valid == IsValidDecInt(QStringLiteral(" ") + Text + QStringLiteral(" ")));
    static const QRegularExpression Digits(QStringLiteral("^[+-]?[0-9]+\\z"));
    if (!Digits.match(Text).hasMatch())
        return;
    const std::string Core = Text.toStdString();
    const char* Begin = Core.c_str() + (Core[0] == '+' ? 1 : 0);
    int Expected = 0;
    const auto [End, Error] = std::from_chars(Begin, Core.c_str() + Core.size(), Expected);
    FUZZ_CHECK(Valid == (Error == std::errc()));
    if (Valid)
        FUZZ_CHECK(Value == Expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    // Three texts separated by NUL bytes.
    const QList<QByteArray> Parts = QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)).split('\0');
    QString Texts[3];
    for (int I = 0; I < 3 && I < Parts.size(); ++I)
        Texts[I] = QString::fromUtf8(Parts[I]);

    for (const QString& A : Texts) {
        FUZZ_CHECK(CompareNatural(A, A) == 0);
        CheckDecInt(A);
        for (const QString& B : Texts)
            CheckPair(A, B);
    }
    // Transitivity, in every order of the three.
    const int Order[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& O : Order) {
        const QString& A = Texts[O[0]];
        const QString& B = Texts[O[1]];
        const QString& C = Texts[O[2]];
        if (CompareNatural(A, B) <= 0 && CompareNatural(B, C) <= 0)
            FUZZ_CHECK(CompareNatural(A, C) <= 0);
    }
    return 0;
}
