// The building blocks of the report-list file formats: header recognition,
// the markup writer and reader, CSV parsing and writing, HTML escaping.
#include "CsvFormat.h"
#include "HtmlTable.h"
#include "ReplistHeader.h"
#include "ReplistXml.h"

#include <gtest/gtest.h>

#include <QXmlStreamReader>

using namespace vok;
using namespace vok::replist;

namespace {

std::vector<ReplistXmlItem> ParseItems(const QByteArray& Markup, ReplistXmlReader::TState* FinalState = nullptr,
                                       int PieceSize = 7)
{
    std::vector<ReplistXmlItem> Items;
    ReplistXmlReader Reader([&](const ReplistXmlItem& Item) {
        Items.push_back(Item);
        return true;
    });
    ReplistXmlReader::TState State = ReplistXmlReader::TState::NeedMore;
    for (qsizetype I = 0; I < Markup.size() && State == ReplistXmlReader::TState::NeedMore; I += PieceSize)
        State = Reader.Feed(Markup.mid(I, PieceSize));
    if (FinalState)
        *FinalState = State;
    return Items;
}

std::vector<std::vector<std::string>> ParseCsv(QByteArray Data, char Delimiter = ',')
{
    CsvParser Parser(Data, Delimiter);
    std::vector<std::vector<std::string>> Records;
    std::vector<std::string_view> Fields;
    while (Parser.NextRecord(Fields))
        Records.emplace_back(Fields.begin(), Fields.end());
    return Records;
}

using Records = std::vector<std::vector<std::string>>;

const QString NastyTexts[] = {
    QString(),
    QStringLiteral("plain"),
    QStringLiteral("<tag attr=\"v\">&amp; 'quoted' </replist>"),
    QStringLiteral("tab\there\nline\r\nCR\ronly"),
    QStringLiteral("  leading and trailing  "),
    QStringLiteral("Größe µm ∑ 漢字 \U0001F600"),
    QStringLiteral("control \x01\x08\x0B\x1F chars"),
    QString(QChar(0xD800)) + QStringLiteral("lone surrogate"),
    QString(255, QLatin1Char('w')),
    QStringLiteral("\"\"quotes\"\", commas; semicolons"),
};

} // namespace

TEST(ReplistHeaderLine, RecognisesHeadersAndIdentifiers)
{
    struct Case
    {
        const char* Line;
        const char* DataID;
        bool Matches;
    };
    const Case Cases[] = {
        {"<REPLIST VOKTERRA ID=\"Sales\">", "", true},
        {"<REPLIST VOKTERRA ID=\"Sales\">", "sales", true},
        {"<REPLIST VOKTERRA ID=\"Sales\">", "SALES", true},
        {"<REPLIST VOKTERRA ID=\"Sales\">", "costs", false},
        {"  <replist vokterra=\"1\" id=\"  padded  \">", "padded", true},
        {"<replist id=\"a\">", "", false},                    // no vokterra
        {"vokterra <replis", "", false},
        {"<replist vokterra>", "x", false},                   // no identifier
        {"<replist vokterra id=\"a&amp;b\">", "a&b", true},   // references resolved
        {"<replist vokterra id=\"unterminated", "unterminated", true},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(HeaderMatches(QString::fromUtf8(C.Line), QString::fromUtf8(C.DataID)), C.Matches)
            << C.Line << " / " << C.DataID;
}

TEST(ReplistHeaderLine, DecodesOnlyWellFormedReferences)
{
    EXPECT_EQ(DecodeXmlReferences(QStringLiteral("&lt;&#65;&#x42;&quot;&apos;&gt;")), QStringLiteral("<AB\"'>"));
    EXPECT_EQ(DecodeXmlReferences(QStringLiteral("a & b; &bogus; &#xZZ; &")),
              QStringLiteral("a & b; &bogus; &#xZZ; &"));
}

TEST(ReplistMarkup, EveryTextSurvivesWriterAndReader)
{
    QByteArray Markup;
    ReplistXmlWriter Writer(Markup);
    Writer.WriteDeclaration();
    Writer.BeginList(QStringLiteral("id \"quoted\" & <odd>"));
    int Row = 1;
    for (const QString& Text : NastyTexts)
        Writer.WriteCell(3, Row++, Text);
    Writer.WriteValue(xmlComment, NastyTexts[3]);
    Writer.EndList();
    // The markup is one element per line, and XML-conforming.
    QXmlStreamReader Strict(Markup);
    while (!Strict.atEnd())
        Strict.readNext();
    EXPECT_FALSE(Strict.hasError()) << Strict.errorString().toStdString();

    ReplistXmlReader::TState State;
    const QByteArray List = Markup.mid(Markup.indexOf("<replist"));
    const auto Items = ParseItems(List, &State);
    EXPECT_EQ(State, ReplistXmlReader::TState::Finished);
    ASSERT_EQ(Items.size(), std::size(NastyTexts) + 1);
    for (std::size_t I = 0; I < std::size(NastyTexts); ++I) {
        EXPECT_EQ(Items[I].Tag, xmlCell);
        EXPECT_EQ(Items[I].Col, 3);
        EXPECT_EQ(Items[I].Row, int(I) + 1);
        EXPECT_EQ(Items[I].Text, NastyTexts[I]) << I;
    }
    EXPECT_EQ(Items.back().Tag, xmlComment);
    EXPECT_EQ(Items.back().Text, NastyTexts[3]);
    // The identifier is readable from the header line and from the start tag.
    const QString HeaderLine = QString::fromUtf8(List.left(List.indexOf('\n')));
    EXPECT_TRUE(HeaderMatches(HeaderLine, QStringLiteral("ID \"QUOTED\" & <ODD>")));
}

TEST(ReplistMarkup, ReaderSkipsUnknownElementsAndRejectsBrokenMarkup)
{
    ReplistXmlReader::TState State;
    auto Items = ParseItems("<replist vokterra=\"1\"><future a=\"1\"><cell c=\"1\" r=\"1\">x</cell></future>"
                            "<numcols>2</numcols><CELL c=\"2\" r=\"9\">y</CELL></replist>trailing garbage",
                            &State);
    EXPECT_EQ(State, ReplistXmlReader::TState::Finished);
    ASSERT_EQ(Items.size(), 2u);
    EXPECT_EQ(Items[0].Tag, xmlNumCols);
    EXPECT_EQ(Items[1].Tag, xmlCell);
    EXPECT_EQ(Items[1].Row, 9);

    const char* Broken[] = {
        "<replist vokterra=\"1\"><cell c=\"1\" r=\"1\">x</numrows></replist>", // mismatched end tag
        "<replist vokterra=\"1\"><cell>&undefined;</cell></replist>",         // unknown entity
        "<other vokterra=\"1\"></other>",                                     // wrong root
        "<replist vokterra=\"1\"><cell enc=\"hex\">12</cell></replist>",      // hex not in 4-digit units
        "<replist vokterra=\"1\"><cell>x&#1;</cell></replist>",               // character XML forbids
    };
    for (const char* Markup : Broken) {
        ParseItems(Markup, &State);
        EXPECT_EQ(State, ReplistXmlReader::TState::Failed) << Markup;
    }
    ParseItems("<replist vokterra=\"1\"><numcols>1</numcols>", &State);
    EXPECT_EQ(State, ReplistXmlReader::TState::NeedMore); // truncated: the caller sees no end
}

TEST(ReplistMarkup, HandlerCanRefuseAnItem)
{
    ReplistXmlReader Reader([](const ReplistXmlItem& Item) { return Item.Col >= 0; });
    EXPECT_EQ(Reader.Feed("<replist vokterra=\"1\"><colname>x</colname></replist>"), ReplistXmlReader::TState::Failed);
}

TEST(CsvParsing, DialectCorners)
{
    struct Case
    {
        QByteArray Input;
        char Delimiter;
        Records Expected;
    };
    const Case Cases[] = {
        {"", ',', {}},
        {"a,b\r\nc,d\r\n", ',', {{"a", "b"}, {"c", "d"}}},
        {"a,b\nc,d", ',', {{"a", "b"}, {"c", "d"}}},
        {"a\rb\r", ',', {{"a"}, {"b"}}},
        {"\xEF\xBB\xBF" "x,y\n", ',', {{"x", "y"}}},
        {"\"q,1\",\"say \"\"hi\"\"\",\"multi\r\nline\"\n", ',', {{"q,1", "say \"hi\"", "multi\r\nline"}}},
        {"a,,\n", ',', {{"a", "", ""}}},
        {"a,", ',', {{"a", ""}}},
        {"\n\n", ',', {{""}, {""}}},
        {"\"\"\n", ',', {{""}}},
        {"\"ab\"cd,e\n", ',', {{"abcd", "e"}}},
        {"\"never closed,x\ny", ',', {{"never closed,x\ny"}}},
        {"a;b,c\n", ';', {{"a", "b,c"}}},
        {"a\tb c\n", '\t', {{"a", "b c"}}},
        {"a  \"b c\"\n", ' ', {{"a", "", "b c"}}},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(ParseCsv(C.Input, C.Delimiter), C.Expected) << C.Input.toStdString();
}

TEST(CsvWriting, QuotesWhatNeedsItAndRoundTrips)
{
    for (const char Delimiter : {',', ';', '\t', ' '}) {
        QByteArray Out;
        CsvWriter Writer(Delimiter);
        Records Expected;
        for (const QString& Text : NastyTexts) {
            if (Text.contains(QChar(0xD800)))
                continue; // not representable in UTF-8
            Writer.AppendField(Out, Text);
            Writer.AppendField(Out, QStringLiteral("b"));
            Writer.EndRecord(Out);
            Expected.push_back({Text.toStdString(), "b"});
        }
        Writer.AppendField(Out, QString());
        Writer.EndRecord(Out);
        Expected.push_back({""});
        EXPECT_EQ(ParseCsv(Out, Delimiter), Expected) << Delimiter;
    }
    QByteArray Out;
    CsvWriter Writer(',');
    Writer.AppendField(Out, QStringLiteral("plain"));
    Writer.AppendField(Out, QStringLiteral("with,comma"));
    Writer.AppendField(Out, QStringLiteral("say \"x\""));
    Writer.EndRecord(Out);
    EXPECT_EQ(Out, QByteArray("plain,\"with,comma\",\"say \"\"x\"\"\"\r\n"));
}

TEST(HtmlTable, EscapesEveryTextAndClass)
{
    EXPECT_EQ(HtmlEscaped(QStringLiteral("<a href=\"x\">Tom's & Jerry</a>")),
              QStringLiteral("&lt;a href=&quot;x&quot;&gt;Tom&#39;s &amp; Jerry&lt;/a&gt;"));
    QByteArray Out;
    HtmlTableWriter Writer(Out);
    Writer.BeginDocument({QStringLiteral("A<B"), 1, 2, 3, QStringLiteral("t\"c")});
    Writer.BeginBody();
    Writer.BeginRow();
    Writer.Cell(QStringLiteral("x&y"), QStringLiteral("cell"));
    Writer.Cell(QStringLiteral("z"), QString());
    Writer.EndRow();
    Writer.EndDocument();
    EXPECT_TRUE(Out.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(Out.contains("<title>A&lt;B</title>"));
    EXPECT_TRUE(Out.contains("<table class=\"t&quot;c\">"));
    EXPECT_TRUE(Out.contains("<tr><td class=\"cell\">x&amp;y</td><td>z</td></tr>"));
    EXPECT_TRUE(Out.contains("border-spacing: 2px") && Out.contains("padding: 3px"));
    EXPECT_TRUE(Out.endsWith("</tbody>\n</table>\n</body>\n</html>\n"));
}
