#include "ReplistXmlScan.h"

#include <cstring>

namespace vok::replist {

namespace {

using TResult = ReplistElementScanner::TResult;

struct Reference
{
    std::string_view Markup;
    char Replacement;
};

constexpr Reference References[] = {
    {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'},
    {"&apos;", '\''}, {"&#9;", '\t'}, {"&#10;", '\n'}, {"&#13;", '\r'},
};

// Most digits of an attribute number: every such number fits an int.
constexpr int MaxDigits = 9;

// Reads through the bytes of one element; every test tells apart a byte that
// does not fit (unusual) from bytes that have not arrived yet (incomplete).
class Cursor
{
public:
    Cursor(const char* Begin, const char* End)
        : FPos(Begin)
        , FEnd(End)
    {
    }

    const char* Pos() const { return FPos; }
    bool AtEnd() const { return FPos == FEnd; }
    unsigned char Peek() const { return static_cast<unsigned char>(*FPos); }
    void Skip(std::ptrdiff_t Count) { FPos += Count; }
    std::ptrdiff_t Left() const { return FEnd - FPos; }

    // Element when the bytes ahead spell Literal (and consumes them).
    TResult Expect(std::string_view Literal)
    {
        if (Left() >= std::ptrdiff_t(Literal.size())) {
            if (std::memcmp(FPos, Literal.data(), Literal.size()) != 0)
                return TResult::Unusual;
            FPos += Literal.size();
            return TResult::Element;
        }
        return std::memcmp(FPos, Literal.data(), std::size_t(Left())) != 0 ? TResult::Unusual : TResult::Incomplete;
    }

private:
    const char* FPos;
    const char* FEnd;
};

TRepListXmlTag TagOfExactName(std::string_view Name)
{
    if (Name == RepListXmlTagNameViews[xmlCell]) // by far the most frequent
        return xmlCell;
    for (int T = xmlNumCols; T < xmlEndReplist; ++T)
        if (Name == RepListXmlTagNameViews[std::size_t(T)])
            return TRepListXmlTag(T);
    return xmlInvalid;
}

// An optional attribute ` Name="digits"`: Element when read (Value set),
// Unusual when absent (nothing consumed) or malformed (Malformed set).
// (A template, so that the comparison with Lead knows its length.)
template <std::size_t N>
TResult ReadNumberAttribute(Cursor& In, const char (&Lead)[N], int& Value, bool& Malformed)
{
    const TResult Start = In.Expect(std::string_view(Lead, N - 1));
    if (Start != TResult::Element)
        return Start;
    int Digits = 0;
    int Number = 0;
    while (!In.AtEnd() && In.Peek() >= '0' && In.Peek() <= '9' && Digits < MaxDigits) {
        Number = Number * 10 + (In.Peek() - '0');
        ++Digits;
        In.Skip(1);
    }
    if (In.AtEnd())
        return TResult::Incomplete;
    Value = Number;
    // A tenth digit lands here too.
    Malformed = Digits == 0 || In.Peek() != '"';
    In.Skip(1);
    return Malformed ? TResult::Unusual : TResult::Element;
}

// The attributes the writer puts on an element, in its order.
TResult ReadAttributes(Cursor& In, ScannedElement& Element)
{
    bool Malformed = false;
    TResult Result = ReadNumberAttribute(In, " c=\"", Element.Col, Malformed);
    if (Result == TResult::Incomplete || Malformed)
        return Result;
    Result = ReadNumberAttribute(In, " r=\"", Element.Row, Malformed);
    if (Result == TResult::Incomplete || Malformed)
        return Result;
    const TResult Hex = In.Expect(" enc=\"hex\"");
    if (Hex == TResult::Incomplete)
        return Hex;
    Element.HexText = Hex == TResult::Element;
    return In.Expect(">");
}

// A reference at the cursor ('&'), consumed when it is one the writer uses.
TResult ReadReference(Cursor& In, char& Replacement)
{
    TResult Result = TResult::Unusual;
    for (const Reference& R : References) {
        Cursor Try = In;
        const TResult Match = Try.Expect(R.Markup);
        if (Match == TResult::Element) {
            In = Try;
            Replacement = R.Replacement;
            return Match;
        }
        if (Match == TResult::Incomplete)
            Result = Match;
    }
    return Result;
}

// One UTF-8 sequence of a character XML accepts (no surrogates, U+FFFE or
// U+FFFF, shortest form only).
TResult ReadUtf8Character(Cursor& In)
{
    const unsigned char Lead = In.Peek();
    int Length = 0;
    char32_t Code = 0;
    if (Lead >= 0xC2 && Lead <= 0xDF) {
        Length = 2;
        Code = Lead & 0x1F;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
        Length = 3;
        Code = Lead & 0x0F;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
        Length = 4;
        Code = Lead & 0x07;
    } else {
        return TResult::Unusual;
    }
    const auto* Bytes = reinterpret_cast<const unsigned char*>(In.Pos());
    const int Available = int(qMin<std::ptrdiff_t>(In.Left(), Length));
    for (int I = 1; I < Available; ++I) {
        if ((Bytes[I] & 0xC0) != 0x80)
            return TResult::Unusual;
        Code = (Code << 6) | (Bytes[I] & 0x3F);
    }
    if (Available < Length)
        return TResult::Incomplete;
    const bool Surrogate = Code >= 0xD800 && Code <= 0xDFFF;
    const bool Valid = Length == 2 || (Length == 3 && Code >= 0x800 && !Surrogate && Code < 0xFFFE)
        || (Length == 4 && Code >= 0x10000 && Code <= 0x10FFFF);
    if (!Valid)
        return TResult::Unusual;
    In.Skip(Length);
    return TResult::Element;
}

// Text bytes that stand for themselves: printable ASCII but for the markup
// characters, tab and line feed.
constexpr auto PlainTextBytes = [] {
    std::array<bool, 256> Plain{};
    for (int C = 0x20; C < 0x80; ++C)
        Plain[std::size_t(C)] = C != '<' && C != '>' && C != '&';
    Plain['\t'] = Plain['\n'] = true;
    return Plain;
}();

} // namespace

ReplistElementScanner::TResult ReplistElementScanner::Scan(QByteArrayView Data, ScannedElement& Element)
{
    Element = ScannedElement();
    Cursor In(Data.data(), Data.data() + Data.size());
    if (const TResult Open = In.Expect("<"); Open != TResult::Element)
        return Open;
    const char* const NameBegin = In.Pos();
    while (!In.AtEnd() && In.Peek() >= 'a' && In.Peek() <= 'z')
        In.Skip(1);
    if (In.AtEnd())
        return TResult::Incomplete;
    const std::string_view Name(NameBegin, std::size_t(In.Pos() - NameBegin));
    Element.Tag = TagOfExactName(Name);
    if (Element.Tag == xmlInvalid)
        return TResult::Unusual;
    if (const TResult Attributes = ReadAttributes(In, Element); Attributes != TResult::Element)
        return Attributes;

    const char* const TextBegin = In.Pos();
    bool HasReferences = false;
    while (true) {
        while (!In.AtEnd() && PlainTextBytes[In.Peek()])
            In.Skip(1);
        if (In.AtEnd())
            return TResult::Incomplete;
        const unsigned char C = In.Peek();
        if (C == '<')
            break;
        TResult Step = TResult::Element;
        char Replacement = 0;
        if (C == '&') {
            Step = ReadReference(In, Replacement);
            HasReferences = true;
        } else if (C >= 0x80)
            Step = ReadUtf8Character(In);
        else
            Step = TResult::Unusual; // '>', CR (which XML turns into LF), other control characters
        if (Step != TResult::Element)
            return Step;
    }
    const std::string_view RawText(TextBegin, std::size_t(In.Pos() - TextBegin));
    TResult Close = In.Expect("</");
    if (Close == TResult::Element)
        Close = In.Expect(Name);
    if (Close == TResult::Element)
        Close = In.Expect(">");
    if (Close != TResult::Element)
        return Close;

    Element.Length = In.Pos() - Data.data();
    if (!HasReferences) {
        Element.Utf8Text = RawText;
        return TResult::Element;
    }
    FText.clear();
    Cursor Text(RawText.data(), RawText.data() + RawText.size());
    while (!Text.AtEnd()) {
        char Replacement = Text.Peek();
        if (Replacement == '&')
            ReadReference(Text, Replacement);
        else
            Text.Skip(1);
        FText += Replacement;
    }
    Element.Utf8Text = FText;
    return TResult::Element;
}

} // namespace vok::replist
