// The element scanner that reads the writer's form of the report-list markup
// without a general XML parser: it must read every element exactly as
// QXmlStreamReader does and leave everything else to it, for intact,
// unusual and damaged markup alike, in pieces of any size.
#include "ReplistXml.h"
#include "ReplistXmlScan.h"

#include <vok/Vok_replist.h>

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace vok;
using namespace vok::replist;

namespace {

struct Outcome
{
    ReplistXmlReader::TState State = ReplistXmlReader::TState::NeedMore;
    QString DataID;
    QStringList Items; // tag, attributes and text of each item, as one text
    int ScannedItems = 0;
};

// Feeds Markup in pieces of random size (all at once for PieceSeed 0); the
// handler refuses cells of row RefusedRow.
Outcome Read(const QByteArray& Markup, quint32 PieceSeed, int RefusedRow = -1)
{
    Outcome Result;
    ReplistXmlReader Reader([&](const ReplistXmlItem& Item) {
        Result.Items.append(QStringLiteral("%1 %2 %3 [%4]").arg(Item.Tag).arg(Item.Col).arg(Item.Row).arg(Item.Text));
        if (Item.Utf8Text) {
            ++Result.ScannedItems;
            EXPECT_EQ(QByteArray(Item.Utf8Text->data(), qsizetype(Item.Utf8Text->size())), Item.Text.toUtf8());
        }
        return Item.Tag != xmlCell || Item.Row != RefusedRow;
    });
    QRandomGenerator Rng(PieceSeed);
    qsizetype Pos = 0;
    do {
        const qsizetype Piece = PieceSeed == 0 ? Markup.size() : 1 + qsizetype(Rng.bounded(90));
        Result.State = Reader.Feed(Markup.mid(Pos, Piece));
        Pos += Piece;
    } while (Pos < Markup.size() && Result.State == ReplistXmlReader::TState::NeedMore);
    Result.DataID = Reader.DataID();
    return Result;
}

// The same markup read by QXmlStreamReader alone: a comment right after the
// start tag (which ends at HeaderEnd) turns the scanner away at once.
Outcome ReadWithXmlOnly(QByteArray Markup, qsizetype HeaderEnd, int RefusedRow = -1)
{
    return Read(Markup.insert(HeaderEnd, "<!---->"), 0, RefusedRow);
}

// Both readers must agree on everything. One exception: QXmlStreamReader
// gives up on a piece that holds broken UTF-8 before reading any of it, so
// with such bytes the readers see different pieces and may stop at
// different places; they must still agree whether the list was read whole.
void ExpectSame(const Outcome& Got, const Outcome& Expected, const QByteArray& Markup)
{
    const std::string Shown = Markup.toPercentEncoding("<>/=\" &;#!").toStdString();
    const bool Finished = Expected.State == ReplistXmlReader::TState::Finished;
    if (QByteArrayView(Markup).isValidUtf8() || Finished) {
        EXPECT_EQ(Got.State, Expected.State) << Shown;
        EXPECT_EQ(Got.Items, Expected.Items) << Shown;
    } else {
        EXPECT_NE(Got.State, ReplistXmlReader::TState::Finished) << Shown;
    }
    EXPECT_EQ(Got.DataID, Expected.DataID) << Shown;
}

QString RandomText(QRandomGenerator& Rng)
{
    static const QString Alphabet = QStringLiteral("aZ09 ,;.\"'<>&\t\n\r]é漢\U0001F600") + QChar(0x01) + QChar(0xFEFF)
        + QChar(0xFFFE) + QChar(0xFF01);
    QString Text;
    for (int I = int(Rng.bounded(8)); I > 0; --I)
        Text += Alphabet[Rng.bounded(Alphabet.size())];
    return Text;
}

// A list as the writer puts it out; HeaderEnd is where its start tag ends.
QByteArray RandomList(QRandomGenerator& Rng, qsizetype& HeaderEnd)
{
    QByteArray Markup;
    ReplistXmlWriter Writer(Markup);
    Writer.BeginList(QStringLiteral("list"));
    HeaderEnd = Markup.indexOf('>') + 1;
    Writer.WriteValue(xmlNumCols, QString::number(Rng.bounded(4)));
    Writer.WriteValue(xmlComment, RandomText(Rng));
    Writer.WriteColumnValue(xmlColName, 1 + int(Rng.bounded(3)), RandomText(Rng));
    for (int Row = 1; Row <= 6; ++Row)
        Writer.WriteCell(int(Rng.bounded(4)), Row, RandomText(Rng));
    Writer.EndList();
    return Markup;
}

// Markup that the scanner must not get wrong: markup XML allows in other
// forms, markup it forbids, and broken UTF-8.
const QByteArray Fragments[] = {
    "&amp;", "&lt;", "&#9;", "&#x41;", "&#1;", "&bogus;", "&", "<!--c-->", "<![CDATA[a<b]]>", "<?pi x?>",
    "\r", "\r\n", " ", "\t", "\n", "'", "\"", ">", "]]>", "<", "/", "=", "</cell>", "<cell>",
    "<cell c=\"1\" r=\"2\">", " c=\"3\"", " r=\"04\"", " enc=\"hex\"", " x=\"1\"", "0041", "00", "9999999999",
    "CELL", "Cell", "<future>", "</future>", "<x:cell xmlns:x=\"u\">", "</replist>", "<replist>",
    "\xC3\xA9", "\xC3", "\xEF\xBF\xBE", "\xEF\xBF\xBF", "\xEF\xBB\xBF", "\xED\xA0\x80", "\xF0\x9F\x98\x80",
    "\xF4\x90\x80\x80", "\xC0\xAF", "\x80", "\x7F", "\x0B", QByteArray(1, '\0'),
};

void Mutate(QRandomGenerator& Rng, QByteArray& Markup, qsizetype HeaderEnd)
{
    const auto Position = [&] { return HeaderEnd + qsizetype(Rng.bounded(Markup.size() - HeaderEnd + 1)); };
    switch (Rng.bounded(4)) {
    case 0: {
        const QByteArray& Fragment = Fragments[Rng.bounded(int(std::size(Fragments)))];
        Markup.insert(Position(), Fragment);
        break;
    }
    case 1:
        if (const qsizetype At = Position(); At < Markup.size())
            Markup[At] = char(Rng.bounded(256));
        break;
    case 2:
        Markup.remove(Position(), 1 + Rng.bounded(6));
        break;
    default:
        Markup.truncate(Position());
    }
}

} // namespace

TEST(ReplistElementScanner, ReadsTheWritersFormAndRefusesEverythingElse)
{
    struct Case
    {
        QByteArray Markup;
        TRepListXmlTag Tag;
        int Col, Row;
        bool Hex;
        QByteArray Text;
    };
    const Case Elements[] = {
        {"<cell c=\"12\" r=\"3\">S1 &amp; &lt;2&gt; &quot;&apos;&#9;&#10;&#13;</cell>", xmlCell, 12, 3, false,
         "S1 & <2> \"'\t\n\r"},
        {"<numrows>000000007</numrows>", xmlNumRows, -1, -1, false, "000000007"},
        {"<colname c=\"0\">Gr\xC3\xB6\xC3\x9F" "e \xF0\x9F\x98\x80</colname>", xmlColName, 0, -1, false,
         "Gr\xC3\xB6\xC3\x9F" "e \xF0\x9F\x98\x80"},
        {"<comment r=\"5\" enc=\"hex\">0041D800</comment>", xmlComment, -1, 5, true, "0041D800"},
        {"<checkedcolumn c=\"999999999\"></checkedcolumn>", xmlCheckedColumn, 999999999, -1, false, ""},
    };
    ReplistElementScanner Scanner;
    ScannedElement Element;
    for (const Case& C : Elements) {
        const QByteArray Input = C.Markup + "\n<cell>";
        ASSERT_EQ(Scanner.Scan(Input, Element), ReplistElementScanner::TResult::Element) << C.Markup.toStdString();
        EXPECT_EQ(Element.Tag, C.Tag);
        EXPECT_EQ(Element.Col, C.Col);
        EXPECT_EQ(Element.Row, C.Row);
        EXPECT_EQ(Element.HexText, C.Hex);
        EXPECT_EQ(Element.Utf8Text, std::string_view(C.Text.constData(), std::size_t(C.Text.size())));
        EXPECT_EQ(Element.Length, C.Markup.size());
        // Any cut inside the element waits for more rather than giving up.
        for (qsizetype Cut = 0; Cut < C.Markup.size(); ++Cut)
            EXPECT_EQ(Scanner.Scan(C.Markup.left(Cut), Element), ReplistElementScanner::TResult::Incomplete)
                << C.Markup.left(Cut).toStdString();
    }

    const char* Unusual[] = {
        "<cell r=\"1\" c=\"2\">x</cell>",       // attributes in another order
        "<cell  c=\"1\">x</cell>",               // other spacing
        "<cell c='1'>x</cell>",                  // other quotes
        "<cell c=\"\">x</cell>",                 // no digits
        "<cell c=\"1234567890\">x</cell>",       // too many digits for certain
        "<cell c=\"-1\">x</cell>",               // sign
        "<cell enc=\"hex\" c=\"1\">x</cell>",    // enc before c
        "<cell x=\"1\">x</cell>",                // unknown attribute
        "<cell/>",                               // empty-element tag
        "<CELL>x</CELL>", "<cell>x</CELL>", "<cell>x</cel>", "<future>x</future>", "</replist>", "<!---->",
        "<cell>a>b</cell>", "<cell>a\rb</cell>", "<cell>a\x01</cell>", "<cell>&#65;</cell>", "<cell>&nbsp;</cell>",
        "<cell><![CDATA[x]]></cell>", "<cell>\xC0\xAF</cell>", "<cell>\xED\xA0\x80</cell>",
        "<cell>\xEF\xBF\xBE</cell>", "<cell>\xF4\x90\x80\x80</cell>", "<cell>\xC3(</cell>", "x<cell></cell>",
    };
    for (const char* Markup : Unusual)
        EXPECT_EQ(Scanner.Scan(QByteArrayView(Markup), Element), ReplistElementScanner::TResult::Unusual) << Markup;
}

TEST(ReplistElementScanner, ReaderAgreesWithXmlParserOnDamagedAndUnusualMarkup)
{
    QRandomGenerator Rng(20261208);
    int Scanned = 0;
    int Items = 0;
    for (int Round = 0; Round < 4000; ++Round) {
        qsizetype HeaderEnd = 0;
        QByteArray Markup = RandomList(Rng, HeaderEnd);
        for (int M = int(Rng.bounded(4)); M > 0; --M)
            Mutate(Rng, Markup, HeaderEnd);
        const int RefusedRow = Round % 5 == 0 ? 1 + int(Rng.bounded(6)) : -1;
        const Outcome Expected = ReadWithXmlOnly(Markup, HeaderEnd, RefusedRow);
        EXPECT_EQ(Expected.ScannedItems, 0);
        for (const quint32 PieceSeed : {0u, quint32(Round + 1)}) {
            const Outcome Got = Read(Markup, PieceSeed, RefusedRow);
            ExpectSame(Got, Expected, Markup);
            Scanned += Got.ScannedItems;
            Items += int(Got.Items.size());
        }
        if (testing::Test::HasFailure())
            FAIL() << "round " << Round;
    }
    // Most items took the scanner's road, so the comparison means something.
    EXPECT_GT(Scanned, Items / 2);
}

TEST(ReplistElementScanner, StartTagsTheScannerCannotFollow)
{
    struct Case
    {
        QByteArray Markup;
        ReplistXmlReader::TState State;
        QString DataID;
        int Items;
    };
    const QByteArray Body = "\n<numcols>1</numcols>\n<cell c=\"1\" r=\"1\">x</cell>\n</replist>\n";
    const Case Cases[] = {
        {"<replist vokterra=\"1\" id=\"a>b\">" + Body, ReplistXmlReader::TState::Finished, "a>b", 2},
        {"<replist vokterra=\"1\" id='x\"\">'>" + Body, ReplistXmlReader::TState::Finished, "x\"\">", 2},
        {"<replist vokterra=\"1\"/>" + Body, ReplistXmlReader::TState::Finished, "", 0},
        {"<replist\nvokterra=\"1\"\nid=\"n\">" + Body, ReplistXmlReader::TState::Finished, "n", 2},
        {"<REPLIST vokterra=\"1\">" + Body, ReplistXmlReader::TState::Failed, "", 2}, // end tag does not match
        {"<replist vokterra=\"1\" id=\"<\">" + Body, ReplistXmlReader::TState::Failed, "", 0},
        {"<replist vokterra=\"1\"><cell c=\"1\" r=\"1\">x</cell></replist>", ReplistXmlReader::TState::Finished, "", 1},
    };
    for (const Case& C : Cases)
        for (const quint32 PieceSeed : {0u, 1u, 2u}) {
            const Outcome Got = Read(C.Markup, PieceSeed);
            EXPECT_EQ(Got.State, C.State) << C.Markup.toStdString();
            EXPECT_EQ(Got.DataID, C.DataID) << C.Markup.toStdString();
            EXPECT_EQ(Got.Items.size(), C.Items) << C.Markup.toStdString();
        }
}

TEST(ReplistElementScanner, StoreBytesWrittenAsTheyStandAreTheirText)
{
    QRandomGenerator Rng(99);
    TStringArray Store;
    Store.Resize(1, 1);
    int AsIs = 0;
    for (int Round = 0; Round < 3000; ++Round) {
        Store.SetString(1, 1, RandomText(Rng));
        const std::string_view Bytes = Store.GetStringUtf8(1, 1);
        if (!CanWriteUtf8AsIs(Bytes))
            continue;
        ++AsIs;
        const QString Text = Store.GetString(1, 1);
        ASSERT_EQ(Text.isEmpty(), Bytes.empty());
        QByteArray FromText, FromBytes;
        ReplistXmlWriter(FromText).WriteCell(Round % 7, Round, Text);
        ReplistXmlWriter(FromBytes).WriteCellUtf8(Round % 7, Round, Bytes);
        ASSERT_EQ(FromBytes, FromText) << FromText.toStdString();
    }
    EXPECT_GT(AsIs, 300);
    // A lone byte-order mark is stored but reads as an empty text.
    EXPECT_FALSE(CanWriteUtf8AsIs("\xEF\xBB\xBF"));
}

TEST(ReplistElementScanner, LargeFilesLoadAcrossPiecesAndParserHandover)
{
    QTemporaryDir Dir;
    TRLData Original;
    Original.SetNrOfColumns(3);
    Original.SetNrOfRows(40000);
    Original.SetColCheckMode(3, cmBox);
    for (int Row = 1; Row <= Original.GetNrOfRows(); ++Row) {
        Original.SetElem(1, Row, QStringLiteral("S%1 <ü>").arg(Row));
        Original.SetElem(2, Row, Row % 7 ? QString::number(Row * 0.25) : QStringLiteral("ctl\x01"));
        Original.SetElemChecked(3, Row, Row % 3 == 0);
    }
    QByteArray Markup;
    QBuffer Out(&Markup);
    Out.open(QIODevice::WriteOnly);
    Original.WriteToXMLStream(Out, true, QStringLiteral("big"));
    ASSERT_GT(Markup.size(), 2 << 20); // several pieces of the file reader

    const auto Snapshot = [](TRLData& D) {
        QByteArray Data;
        QBuffer Buffer(&Data);
        Buffer.open(QIODevice::WriteOnly);
        D.WriteToXMLStream(Buffer, false, QStringLiteral("snapshot"));
        return Data;
    };
    const QByteArray Expected = Snapshot(Original);
    const qsizetype Middle = Markup.indexOf("<cell c=\"1\" r=\"20000\">");
    QByteArray CrLf = Markup;
    CrLf.replace("\n", "\r\n");
    // The same list with markup the scanner leaves to the parser in the middle.
    const QByteArray Comment = "<!-- edited -->\n";
    const QByteArray SameCellAgain = "<cell c=\"1\" r=\"1\"><![CDATA[S1 <]]>&#252;&gt;</cell>";
    const QByteArray Variants[] = {Markup, QByteArray(Markup).insert(Middle, Comment),
                                   QByteArray(Markup).insert(Middle, SameCellAgain), CrLf};
    for (const QByteArray& Variant : Variants) {
        const QString Path = Dir.filePath(QStringLiteral("big.xml"));
        QFile File(Path);
        ASSERT_TRUE(File.open(QIODevice::WriteOnly));
        File.write(Variant);
        File.close();
        TRLData Copy;
        ASSERT_TRUE(Copy.LoadFromXMLFile(Path, QStringLiteral("big")));
        EXPECT_EQ(Snapshot(Copy), Expected);
        EXPECT_EQ(Copy.GetDataID(), QStringLiteral("big"));
        // Without its end tag, nothing of the list arrives.
        File.open(QIODevice::WriteOnly);
        File.write(Variant.left(Variant.size() - 12));
        File.close();
        EXPECT_FALSE(Copy.LoadFromXMLFile(Path, QString()));
        EXPECT_EQ(Snapshot(Copy), Expected);
    }
}
