// Report lists in files and streams: the header check, the report-list
// markup, CSV, text lines and the HTML export, with round trips of hostile
// texts, random containers and damaged input.
#include <vok/Vok_replist.h>

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

using namespace vok;

namespace {

// Everything a reader may change, as one comparable text.
QString Snapshot(TRLData& D)
{
    QByteArray Markup;
    QBuffer Buffer(&Markup);
    Buffer.open(QIODevice::WriteOnly);
    D.WriteToXMLStream(Buffer, false, QStringLiteral("snapshot"));
    return QString::fromUtf8(Markup) + D.GetDataID() + QString::number(D.GetLastSortColumn());
}

void ExpectSameContents(const TRLData& A, const TRLData& B)
{
    ASSERT_EQ(A.GetNrOfColumns(), B.GetNrOfColumns());
    ASSERT_EQ(A.GetNrOfRows(), B.GetNrOfRows());
    EXPECT_EQ(A.GetCommonHeader(), B.GetCommonHeader());
    EXPECT_EQ(A.GetComment(), B.GetComment());
    for (int Col = 1; Col <= A.GetNrOfColumns(); ++Col) {
        EXPECT_EQ(A.GetColName(Col), B.GetColName(Col));
        EXPECT_EQ(A.GetColumnFormat(Col), B.GetColumnFormat(Col));
        EXPECT_EQ(A.GetColCheckMode(Col), B.GetColCheckMode(Col));
    }
    for (int Row = 1; Row <= A.GetNrOfRows(); ++Row)
        for (int Col = 0; Col <= A.GetNrOfColumns(); ++Col)
            ASSERT_EQ(A.Store().GetString(Col, Row), B.Store().GetString(Col, Row)) << Col << "," << Row;
}

const QString NastyTexts[] = {
    QStringLiteral("<cell c=\"1\" r=\"1\">&amp;</cell></replist>"),
    QStringLiteral("tab\there\nline\r\nCR\ronly"),
    QStringLiteral("  spaces  "),
    QStringLiteral("Größe µm ∑ 漢字 \U0001F600"),
    QStringLiteral("ctl \x01\x1F end"),
    QStringLiteral("\"quoted\", comma; semi"),
    QString(255, QLatin1Char('w')),
    QStringLiteral("<replist vokterra id=\"fake\">"),
};

void FillNasty(TRLData& D)
{
    D.SetNrOfColumns(3);
    D.SetNrOfRows(int(std::size(NastyTexts)));
    D.SetCommonHeader(QStringLiteral("Line 1\nLine <2> & more"));
    D.SetComment(NastyTexts[1]);
    D.SetColName(1, NastyTexts[0].left(50));
    D.SetColumnFormat(2, QStringLiteral("[l:5][120]red|green|\"blue\""));
    D.SetColCheckMode(3, cmRadio);
    for (int Row = 1; Row <= D.GetNrOfRows(); ++Row) {
        const QString& Text = NastyTexts[Row - 1];
        D.SetElem(0, Row, QString::number(Row));
        D.SetElem(1, Row, Text);
        D.SetElem(2, Row, Text);
        D.SetElem(3, Row, Text);
    }
    D.SetElemChecked(3, 4, true);
}

QString RandomText(QRandomGenerator& Rng, int MaxLength)
{
    static const QString Alphabet = QStringLiteral("ab Z09,;.\"'<>&\t\n\r|#$Xé漢") + QChar(0x01) + QChar(0xD83D)
        + QChar(0xDE00);
    QString Text;
    const int Length = int(Rng.bounded(MaxLength + 1));
    for (int I = 0; I < Length; ++I)
        Text += Alphabet[Rng.bounded(Alphabet.size())];
    return Text;
}

void FillRandom(TRLData& D, QRandomGenerator& Rng, bool WithChecks)
{
    D.SetNrOfColumns(1 + int(Rng.bounded(5)));
    D.SetNrOfRows(int(Rng.bounded(7)));
    D.SetCommonHeader(RandomText(Rng, 20));
    D.SetComment(RandomText(Rng, 20));
    for (int Col = 1; Col <= D.GetNrOfColumns(); ++Col) {
        D.SetColName(Col, RandomText(Rng, 60));
        D.SetColumnFormat(Col, RandomText(Rng, 10));
        for (int Row = 1; Row <= D.GetNrOfRows(); ++Row)
            D.SetElem(Col, Row, RandomText(Rng, Rng.bounded(10) == 0 ? 300 : 8));
        if (WithChecks) {
            D.SetElem(0, 1, RandomText(Rng, 5));
            D.SetColCheckMode(Col, TCheckMode(Rng.bounded(3)));
            if (D.GetNrOfRows() > 0)
                D.SetElemChecked(Col, 1 + int(Rng.bounded(D.GetNrOfRows())), true);
        }
    }
}

void WriteFile(const QString& Name, const QByteArray& Data)
{
    QFile File(Name);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Data);
}

QByteArray ReadFile(const QString& Name)
{
    QFile File(Name);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

// The most resident memory the process gains while Action runs, in bytes:
// the peak where the kernel lets its mark be reset, else what stays.
qint64 ResidentGrowth(const std::function<void()>& Action)
{
    const auto StatusKiB = [](QByteArrayView Field) {
        QFile Status(QStringLiteral("/proc/self/status"));
        if (!Status.open(QIODevice::ReadOnly))
            return qint64(-1);
        for (const QByteArray& Line : Status.readAll().split('\n'))
            if (Line.startsWith(Field))
                return Line.mid(Field.size()).trimmed().split(' ').value(0).toLongLong();
        return qint64(-1);
    };
    const qint64 Before = StatusKiB("VmRSS:");
    QFile Reset(QStringLiteral("/proc/self/clear_refs"));
    const bool PeakReset = Reset.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && Reset.write("5") == 1;
    Reset.close();
    Action();
    return (StatusKiB(PeakReset ? "VmHWM:" : "VmRSS:") - Before) * 1024;
}

class ReplistFiles : public testing::Test
{
protected:
    QString Path(const char* Name) const { return Dir.filePath(QString::fromUtf8(Name)); }
    QTemporaryDir Dir;
};

} // namespace

TEST_F(ReplistFiles, HeaderCheckOnFilesAndStreams)
{
    WriteFile(Path("sales.txt"), "first line\nsecond\n  <REPLIST VOKTERRA ID=\"Sales\">\n<numcols>1</numcols>\n");
    for (const char* Id : {"", "sales", "SALES"})
        EXPECT_TRUE(CheckIfValidReplist(Path("sales.txt"), QString::fromUtf8(Id))) << Id;
    EXPECT_FALSE(CheckIfValidReplist(Path("sales.txt"), QStringLiteral("costs")));

    WriteFile(Path("novok.txt"), "<replist id=\"a\">\n");
    EXPECT_FALSE(CheckIfValidReplist(Path("novok.txt"), QString()));
    WriteFile(Path("empty.txt"), "");
    EXPECT_FALSE(CheckIfValidReplist(Path("empty.txt"), QString()));
    EXPECT_THROW(CheckIfValidReplist(Path("missing.txt"), QString()), EVOKRLDataError);

    QByteArray Two("<replist vokterra id=\"a\">\nx\n<replist vokterra id=\"b\">\nafter\n");
    QBuffer Stream(&Two);
    Stream.open(QIODevice::ReadOnly);
    EXPECT_TRUE(CheckIfValidReplist(Stream, QStringLiteral("b")));
    EXPECT_EQ(Stream.readLine(), QByteArray("after\n"));
    QByteArray Nothing;
    QBuffer EmptyStream(&Nothing);
    EmptyStream.open(QIODevice::ReadOnly);
    EXPECT_FALSE(CheckIfValidReplist(EmptyStream, QString()));
}

TEST_F(ReplistFiles, MarkupRoundTripThroughEveryReaderAndWriter)
{
    TRLData Original;
    FillNasty(Original);
    Original.SaveAsXMLFile(Path("nasty.xml"), QStringLiteral("Nasty \"id\" & co"));
    EXPECT_TRUE(CheckIfValidReplist(Path("nasty.xml"), QString()));
    EXPECT_TRUE(CheckIfValidReplist(Path("nasty.xml"), QStringLiteral("nasty \"ID\" & CO")));

    TRLData FromFile;
    ASSERT_TRUE(FromFile.LoadFromXMLFile(Path("nasty.xml"), QStringLiteral("Nasty \"id\" & co")));
    ExpectSameContents(Original, FromFile);
    EXPECT_EQ(FromFile.GetDataID(), QStringLiteral("Nasty \"id\" & co"));
    EXPECT_EQ(FromFile.FirstCheckedElemInCol(3), 4);

    TRLData FromString;
    ASSERT_TRUE(FromString.ReadFromXMLString(QString::fromUtf8(ReadFile(Path("nasty.xml"))), QString()));
    ExpectSameContents(Original, FromString);

    QString Text;
    QTextStream Out(&Text);
    Original.WriteToOpenXMLFile(Out, true, QString());
    QTextStream In(&Text);
    TRLData FromTextStream;
    ASSERT_TRUE(FromTextStream.ReadFromOpenXMLFile(In, QString()));
    ExpectSameContents(Original, FromTextStream);
}

TEST_F(ReplistFiles, EveryDataIdentifierTheWriterTakesReadsBack)
{
    const QString Ids[] = {QStringLiteral("ctl \x01 id"), QStringLiteral("\x1F"), QStringLiteral("tab\tand\nline"),
                           QString(QChar(0xFFFE)), QStringLiteral(" padded "), QStringLiteral("Nasty \"id\" & co")};
    for (const QString& Id : Ids) {
        TRLData Original;
        Original.SetNrOfRows(1);
        Original.SetElem(1, 1, QStringLiteral("x"));
        Original.SaveAsXMLFile(Path("id.xml"), Id);
        EXPECT_TRUE(CheckIfValidReplist(Path("id.xml"), Id)) << Id.toStdString();
        EXPECT_FALSE(CheckIfValidReplist(Path("id.xml"), QStringLiteral("other")));
        for (const QString& Asked : {Id, QString()}) {
            TRLData FromFile;
            ASSERT_TRUE(FromFile.LoadFromXMLFile(Path("id.xml"), Asked)) << Id.toStdString();
            EXPECT_EQ(FromFile.GetDataID(), Id);
            EXPECT_EQ(FromFile.GetElem(1, 1), QStringLiteral("x"));
        }
        TRLData FromString;
        ASSERT_TRUE(FromString.ReadFromXMLString(QString::fromUtf8(ReadFile(Path("id.xml"))), Id));
        EXPECT_EQ(FromString.GetDataID(), Id);
    }
    // Identifiers markup carries stay as they were written.
    TRLData Plain;
    Plain.SaveAsXMLFile(Path("plain.xml"), QStringLiteral("Sales & <co>"));
    EXPECT_TRUE(ReadFile(Path("plain.xml")).contains("\n<replist vokterra=\"1\" id=\"Sales &amp; &lt;co&gt;\">\n"));
}

TEST_F(ReplistFiles, AListWithoutColumnsLoadsBackWithout)
{
    TRLData Original;
    Original.SetNrOfRows(2);
    Original.SetElem(0, 2, QStringLiteral("key"));
    Original.RemoveColumn(1);
    Original.SaveAsXMLFile(Path("none.xml"), QString());
    TRLData Loaded;
    Loaded.SetNrOfColumns(3);
    ASSERT_TRUE(Loaded.LoadFromXMLFile(Path("none.xml"), QString()));
    EXPECT_EQ(Loaded.GetNrOfColumns(), 0);
    EXPECT_EQ(Loaded.GetNrOfRows(), 2);
    EXPECT_EQ(Loaded.GetElem(0, 2), QStringLiteral("key"));
    Loaded.SetNrOfColumns(2);
    EXPECT_EQ(Loaded.GetColName(1), QStringLiteral("C-1"));
}

TEST_F(ReplistFiles, SmallFilesOfManyEmptyCellsTakeLittleMemory)
{
    // 16,384 x 16,382 empty cells from 84 bytes of markup and from 32 KB of
    // CSV (16,383 commas, then empty lines): at 4 bytes a cell they would
    // take 1 GiB.
    WriteFile(Path("wide.xml"), "<replist vokterra=\"1\">\n<numcols>16384</numcols>\n<numrows>16382</numrows>\n"
                                "</replist>\n");
    WriteFile(Path("wide.csv"), QByteArray(16383, ',') + QByteArray(16381, '\n'));
    constexpr qint64 Bound = 64 << 20;

    TRLData Markup;
    EXPECT_LT(ResidentGrowth([&] { ASSERT_TRUE(Markup.LoadFromXMLFile(Path("wide.xml"), QString())); }), Bound);
    EXPECT_EQ(Markup.GetNrOfColumns(), 16384);
    EXPECT_EQ(Markup.GetNrOfRows(), 16382);
    EXPECT_EQ(Markup.GetElem(16384, 16382), QString());
    Markup.SetElem(16384, 16382, QStringLiteral("last"));
    Markup.SetElem(16384, 1, QStringLiteral("first"));
    EXPECT_EQ(Markup.GetElem(16384, 16382), QStringLiteral("last"));
    EXPECT_EQ(Markup.GetElem(16384, 1), QStringLiteral("first"));
    EXPECT_EQ(Markup.GetElem(16383, 16382), QString());

    TRLData Csv;
    EXPECT_LT(ResidentGrowth([&] { EXPECT_EQ(Csv.ImportCSV(Path("wide.csv"), csvComma, false), 16381); }), Bound);
    EXPECT_EQ(Csv.GetNrOfColumns(), 16384);
    EXPECT_EQ(Csv.GetElem(16384, 16381), QString());
}

TEST_F(ReplistFiles, SeveralListsPerFileChosenByIdentifier)
{
    TRLData A, B, C;
    A.SetNrOfRows(1);
    A.SetElem(1, 1, QStringLiteral("alpha"));
    B.SetNrOfRows(2);
    B.SetElem(1, 2, QStringLiteral("beta"));
    C.SetComment(QStringLiteral("gamma"));
    QByteArray Data;
    QBuffer Out(&Data);
    Out.open(QIODevice::WriteOnly);
    A.WriteToXMLStream(Out, true, QStringLiteral("a"));
    B.WriteToXMLStream(Out, false, QStringLiteral("b"));
    C.WriteToXMLStream(Out, false, QStringLiteral("c"));
    Out.close();
    WriteFile(Path("three.xml"), Data);

    TRLData D;
    ASSERT_TRUE(D.LoadFromXMLFile(Path("three.xml"), QStringLiteral("B")));
    EXPECT_EQ(D.GetElem(1, 2), QStringLiteral("beta"));
    EXPECT_FALSE(D.LoadFromXMLFile(Path("three.xml"), QStringLiteral("d")));
    EXPECT_EQ(D.GetElem(1, 2), QStringLiteral("beta"));

    // Reading a stream list after list stops after each list's end.
    QBuffer In(&Data);
    In.open(QIODevice::ReadOnly);
    ASSERT_TRUE(D.ReadFromXMLStream(In, QString()));
    EXPECT_EQ(D.GetElem(1, 1), QStringLiteral("alpha"));
    ASSERT_TRUE(D.ReadFromXMLStream(In, QString()));
    EXPECT_EQ(D.GetDataID(), QStringLiteral("b"));
    ASSERT_TRUE(D.ReadFromXMLStream(In, QStringLiteral("c")));
    EXPECT_EQ(D.GetComment(), QStringLiteral("gamma"));
    EXPECT_FALSE(D.ReadFromXMLStream(In, QString()));
}

TEST_F(ReplistFiles, CellsInAnyRowOrderAreAllKept)
{
    // Hand-edited or merged files need not list cells row by row; a cell far
    // beyond the rows read so far must not be dropped.
    TRLData D;
    ASSERT_TRUE(D.ReadFromXMLString(QStringLiteral("<replist vokterra=\"1\">\n<numcols>2</numcols>\n"
                                                   "<numrows>500</numrows>\n<cell c=\"1\" r=\"300\">far</cell>\n"
                                                   "<cell c=\"2\" r=\"1\">near</cell>\n"
                                                   "<cell c=\"1\" r=\"500\">last</cell>\n</replist>\n"),
                                    QString()));
    EXPECT_EQ(D.GetNrOfRows(), 500);
    EXPECT_EQ(D.GetElem(1, 300), QStringLiteral("far"));
    EXPECT_EQ(D.GetElem(2, 1), QStringLiteral("near"));
    EXPECT_EQ(D.GetElem(1, 500), QStringLiteral("last"));
}

TEST_F(ReplistFiles, BytesAfterTheListDoNotMatter)
{
    // A later list with bytes that are no UTF-8 (or any junk after the end
    // tag) must not keep a file from giving the first list, however the
    // file happens to be read.
    const QByteArray Data = "<replist vokterra=\"1\" id=\"a\">\n<numcols>1</numcols>\n<numrows>1</numrows>\n"
                            "<cell c=\"1\" r=\"1\">kept</cell>\n</replist>\n"
                            "<replist vokterra=\"1\" id=\"b\">\n<comment>\x91\xff broken</comment>\n</replist>\n";
    WriteFile(Path("junk.xml"), Data);
    TRLData FromFile, FromStream;
    ASSERT_TRUE(FromFile.LoadFromXMLFile(Path("junk.xml"), QStringLiteral("a")));
    EXPECT_EQ(FromFile.GetElem(1, 1), QStringLiteral("kept"));
    QByteArray Copy = Data;
    QBuffer In(&Copy);
    In.open(QIODevice::ReadOnly);
    ASSERT_TRUE(FromStream.ReadFromXMLStream(In, QStringLiteral("a")));
    EXPECT_EQ(FromStream.GetElem(1, 1), QStringLiteral("kept"));
}

TEST_F(ReplistFiles, MalformedListsLeaveTheContainerAsItWas)
{
    const char* Bad[] = {
        "",
        "<replist vokterra=\"1\">\n<numcols>2</numcols>\n<numrows>1</numrows>\n<cell c=\"1\" r=\"1\">x</cell>\n",
        "<replist vokterra=\"1\"><numcols>2</numcols><numrows>1</numrows><cell c=\"3\" r=\"1\">x</cell></replist>",
        "<replist vokterra=\"1\"><numrows>1</numrows><cell c=\"1\" r=\"2\">x</cell></replist>",
        "<replist vokterra=\"1\"><numrows>1</numrows><cell c=\"1\">x</cell></replist>",
        "<replist vokterra=\"1\"><numcols>-3</numcols></replist>",
        "<replist vokterra=\"1\"><numcols>two</numcols></replist>",
        "<replist vokterra=\"1\"><numcols>99999999</numcols></replist>",
        "<replist vokterra=\"1\"><numrows>2000000000</numrows></replist>",
        "<replist vokterra=\"1\"><numrows>1</numrows><cell c=\"1\" r=\"1\">x</cell><numcols>3</numcols></replist>",
        "<replist vokterra=\"1\"><checkedcolumn c=\"1\">maybe</checkedcolumn></replist>",
        "<replist vokterra=\"1\"><colname c=\"2\">x</colname></replist>",
        "<replist vokterra=\"1\"><comment>a<b</comment></replist>",
        "<replist vokterra=\"1\"><comment>&nbsp;</comment></replist>",
    };
    TRLData D;
    FillNasty(D);
    D.SetDataID(QStringLiteral("keep"));
    D.Sort(2, -1, false);
    const QString Before = Snapshot(D);
    for (const char* Markup : Bad) {
        EXPECT_FALSE(D.ReadFromXMLString(QString::fromUtf8(Markup), QString())) << Markup;
        EXPECT_EQ(Snapshot(D), Before) << Markup;
    }
    EXPECT_FALSE(D.LoadFromXMLFile(Path("missing.xml"), QString()));
    EXPECT_EQ(Snapshot(D), Before);
}

TEST_F(ReplistFiles, RandomContainersSurviveMarkupAndCsvRoundTrips)
{
    QRandomGenerator Rng(20261207);
    for (int Round = 0; Round < 2500; ++Round) {
        TRLData Original;
        FillRandom(Original, Rng, true);
        QByteArray Markup;
        QBuffer Out(&Markup);
        Out.open(QIODevice::WriteOnly);
        Original.WriteToXMLStream(Out, Round % 2 == 0, QStringLiteral("r%1").arg(Round));
        TRLData Copy;
        ASSERT_TRUE(Copy.ReadFromXMLString(QString::fromUtf8(Markup), QString())) << Markup.toStdString();
        ExpectSameContents(Original, Copy);
        if (testing::Test::HasFailure())
            FAIL() << "round " << Round << ": " << Markup.toStdString();
    }
    for (int Round = 0; Round < 300; ++Round) {
        TRLData Original;
        FillRandom(Original, Rng, false);
        // UTF-8 cannot carry an unpaired surrogate, which random cutting may leave.
        for (int Row = 1; Row <= Original.GetNrOfRows(); ++Row)
            for (int Col = 1; Col <= Original.GetNrOfColumns(); ++Col)
                Original.SetElem(Col, Row, QString::fromUtf8(Original.GetElem(Col, Row).toUtf8()));
        for (int Col = 1; Col <= Original.GetNrOfColumns(); ++Col)
            Original.SetColName(Col, QString::fromUtf8(Original.GetColName(Col).toUtf8()));
        const TCSVDelimiters Delimiter = TCSVDelimiters(Round % 4);
        ASSERT_EQ(Original.ExportCSV(Path("r.csv"), Delimiter, true, false, 1, 1, 99, 99), Original.GetNrOfRows());
        TRLData Copy;
        ASSERT_EQ(Copy.ImportCSV(Path("r.csv"), Delimiter, true), Original.GetNrOfRows());
        ASSERT_EQ(Copy.GetNrOfColumns(), Original.GetNrOfColumns());
        for (int Col = 1; Col <= Original.GetNrOfColumns(); ++Col) {
            EXPECT_EQ(Copy.GetColName(Col), Original.GetColName(Col));
            for (int Row = 1; Row <= Original.GetNrOfRows(); ++Row)
                ASSERT_EQ(Copy.GetElem(Col, Row), Original.GetElem(Col, Row)) << "round " << Round;
        }
    }
}

TEST_F(ReplistFiles, DamagedFilesNeverCrashAndNeverHalfLoad)
{
    TRLData Source;
    FillNasty(Source);
    QByteArray Valid;
    QBuffer Out(&Valid);
    Out.open(QIODevice::WriteOnly);
    Source.WriteToXMLStream(Out, true, QStringLiteral("x"));
    Source.ExportCSV(Path("valid.csv"), csvComma, true, true, 0, 1, 3, 99);
    const QByteArray ValidCsv = ReadFile(Path("valid.csv"));

    QRandomGenerator Rng(7);
    TRLData Target;
    Target.SetNrOfRows(2);
    Target.SetElem(1, 2, QStringLiteral("untouched"));
    TRLData Reference;
    Reference.Assign(&Target);
    const QString Before = Snapshot(Target);
    for (int Round = 0; Round < 3000; ++Round) {
        QByteArray Damaged = Valid;
        switch (Round % 3) {
        case 0:
            Damaged.truncate(Rng.bounded(Damaged.size()));
            break;
        case 1:
            for (int I = 0; I < 3; ++I)
                Damaged[Rng.bounded(Damaged.size())] = char(Rng.bounded(256));
            break;
        default:
            Damaged.insert(Rng.bounded(Damaged.size()), Damaged.mid(Rng.bounded(Damaged.size()), 40));
        }
        QBuffer In(&Damaged);
        In.open(QIODevice::ReadOnly);
        if (Target.ReadFromXMLStream(In, QString())) {
            Target.Assign(&Reference); // damage inside a text: a valid list, start again
        } else {
            ASSERT_EQ(Snapshot(Target), Before) << "round " << Round;
        }

        QByteArray DamagedCsv = ValidCsv;
        DamagedCsv.truncate(Rng.bounded(DamagedCsv.size() + 1));
        if (Round % 2)
            DamagedCsv[Rng.bounded(qMax<qsizetype>(DamagedCsv.size(), 1))] = char(Rng.bounded(256));
        WriteFile(Path("damaged.csv"), DamagedCsv);
        TRLData CsvTarget;
        EXPECT_GE(CsvTarget.ImportCSV(Path("damaged.csv"), TCSVDelimiters(Round % 4), Round % 2 == 0), 0);
    }
}

TEST_F(ReplistFiles, CsvExportAndImportOptions)
{
    TRLData D;
    D.SetNrOfColumns(3);
    D.SetNrOfRows(3);
    D.SetCommonHeader(QStringLiteral("Run 7"));
    D.SetColName(1, QStringLiteral("Name"));
    D.SetColName(2, QStringLiteral("Value"));
    D.SetColCheckMode(3, cmBox);
    for (int Row = 1; Row <= 3; ++Row) {
        D.SetElem(1, Row, QStringLiteral("n%1").arg(Row));
        D.SetElem(2, Row, QStringLiteral("%1,5").arg(Row));
        D.SetElem(3, Row, QStringLiteral("c"));
    }
    D.SetElemChecked(3, 1, true);
    EXPECT_EQ(D.ExportCSV(Path("a.csv"), csvComma, true, true, 1, 2, 9, 9), 2);
    EXPECT_EQ(ReadFile(Path("a.csv")), QByteArray("Run 7\r\nName,Value,C-3\r\nn2,\"2,5\",c\r\nn3,\"3,5\",c\r\n"));
    EXPECT_EQ(D.ExportCSV(Path("b.csv"), csvSemicolon, false, false, 2, 1, 2, 1), 1);
    EXPECT_EQ(ReadFile(Path("b.csv")), QByteArray("1,5\r\n"));
    EXPECT_EQ(D.ExportCSV(Path("none/c.csv"), csvComma, false, false, 1, 1, 3, 3), -1);

    WriteFile(Path("in.csv"), "\xEF\xBB\xBFx;y\n1;2;3\n4\n");
    D.SetComment(QStringLiteral("kept"));
    EXPECT_EQ(D.ImportCSV(Path("in.csv"), csvSemicolon, true), 2);
    EXPECT_EQ(D.GetNrOfColumns(), 3);
    EXPECT_EQ(D.GetColName(1), QStringLiteral("x"));
    EXPECT_EQ(D.GetColName(3), QStringLiteral("C-3"));
    EXPECT_EQ(D.GetColCheckMode(3), cmNone);
    EXPECT_EQ(D.GetElem(3, 1), QStringLiteral("3"));
    EXPECT_EQ(D.GetElem(2, 2), QString());
    EXPECT_EQ(D.GetComment(), QStringLiteral("kept"));
    EXPECT_EQ(D.GetCommonHeader(), QStringLiteral("Run 7"));
    EXPECT_EQ(D.ImportCSV(Path("missing.csv"), csvComma, true), -1);
    EXPECT_EQ(D.GetNrOfRows(), 2);

    // A first cell opening with U+FEFF is quoted, so that it does not read
    // back as the file's byte-order mark; one after the mark stays text.
    const QString Zwnbsp = QChar(0xFEFF) + QStringLiteral("x");
    D.SetElem(1, 1, Zwnbsp);
    EXPECT_EQ(D.ExportCSV(Path("feff.csv"), csvComma, false, false, 1, 1, 1, 1), 1);
    TRLData Back;
    EXPECT_EQ(Back.ImportCSV(Path("feff.csv"), csvComma, false), 1);
    EXPECT_EQ(Back.GetElem(1, 1), Zwnbsp);
    WriteFile(Path("bom.csv"), "\xEF\xBB\xBF\xEF\xBB\xBFx,y\n");
    EXPECT_EQ(Back.ImportCSV(Path("bom.csv"), csvComma, false), 1);
    EXPECT_EQ(Back.GetElem(1, 1), Zwnbsp);
}

TEST_F(ReplistFiles, LinesGoIntoOneColumnAndRowsGrow)
{
    WriteFile(Path("lines.txt"), "\xEF\xBB\xBF" "one\r\ntwo\n\nfour\n");
    TRLData D;
    D.SetNrOfColumns(2);
    D.SetNrOfRows(3);
    D.SetElem(2, 1, QStringLiteral("keep"));
    EXPECT_EQ(D.LoadLinesFromFile(2, 2, Path("lines.txt")), 4);
    EXPECT_EQ(D.GetNrOfRows(), 5);
    EXPECT_EQ(D.GetElem(2, 1), QStringLiteral("keep"));
    EXPECT_EQ(D.GetElem(2, 2), QStringLiteral("one"));
    EXPECT_EQ(D.GetElem(2, 4), QString());
    EXPECT_EQ(D.GetElem(2, 5), QStringLiteral("four"));
    EXPECT_EQ(D.LoadLinesFromFile(3, 1, Path("lines.txt")), 0);
    EXPECT_EQ(D.LoadLinesFromFile(1, 1, Path("missing.txt")), -1);
    // A file without lines adds no rows, wherever it was to go.
    WriteFile(Path("bom-only.txt"), "\xEF\xBB\xBF");
    EXPECT_EQ(D.LoadLinesFromFile(1, 9, Path("bom-only.txt")), 0);
    EXPECT_EQ(D.GetNrOfRows(), 5);
    // Only the first U+FEFF of a file is its byte-order mark.
    WriteFile(Path("two-marks.txt"), "\xEF\xBB\xBF\xEF\xBB\xBFx");
    EXPECT_EQ(D.LoadLinesFromFile(1, 1, Path("two-marks.txt")), 1);
    EXPECT_EQ(D.GetElem(1, 1), QChar(0xFEFF) + QStringLiteral("x"));
}

TEST_F(ReplistFiles, HtmlExportEscapesAfterTheHandlerAndFollowsTheSelection)
{
    TRLData D;
    D.SetNrOfColumns(3);
    D.SetNrOfRows(2);
    D.SetColName(1, QStringLiteral("A&B"));
    D.SetColName(3, QStringLiteral("Third"));
    D.SetElem(1, 1, QStringLiteral("<b>bold?</b>"));
    D.SetElem(3, 1, QStringLiteral("c1"));
    D.SetElem(3, 2, QStringLiteral("c2"));
    D.OnBeforeHTMLExport = [](QObject*, QString& Text, int Col, int Row) {
        if (Col == 3 && Row == 2)
            Text = QStringLiteral("\"replaced\" & <escaped>");
    };
    D.ExportHTMLTable(Path("t.html"), 1, 1, 3, 2, {3, 1}, 1, 2, 4, true, QStringLiteral("head"),
                      QStringLiteral("cell"), QStringLiteral("report"));
    const QString Html = QString::fromUtf8(ReadFile(Path("t.html")));
    EXPECT_TRUE(Html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    EXPECT_TRUE(Html.contains(QStringLiteral("<table class=\"report\">")));
    EXPECT_TRUE(Html.contains(QStringLiteral("<tr><th class=\"head\">Third</th><th class=\"head\">A&amp;B</th></tr>")));
    EXPECT_TRUE(Html.contains(QStringLiteral("<tr><td class=\"cell\">c1</td><td class=\"cell\">&lt;b&gt;bold?&lt;/b&gt;</td></tr>")));
    EXPECT_TRUE(Html.contains(QStringLiteral("<td class=\"cell\">&quot;replaced&quot; &amp; &lt;escaped&gt;</td>")));

    D.ExportHTMLTable(Path("u.html"), 2, 2, 3, 2, {}, 0, 0, 0, false, QString(), QString(), QString());
    const QString Plain = QString::fromUtf8(ReadFile(Path("u.html")));
    EXPECT_TRUE(Plain.contains(QStringLiteral("<tbody>\n<tr><td></td><td>&quot;replaced")));
    EXPECT_FALSE(Plain.contains(QStringLiteral("<th")));
    EXPECT_THROW(D.ExportHTMLTable(Path("none/t.html"), 1, 1, 1, 1, {}, 0, 0, 0, false, QString(), QString(),
                                   QString()),
                 EVOKRLDataError);
}

TEST_F(ReplistFiles, WritersReportProgressAndReplaceFilesWhole)
{
    TRLData D;
    D.SetNrOfColumns(4);
    D.SetNrOfRows(5000);
    D.Fill(QStringLiteral("v"));
    std::vector<int> Percents;
    D.OnPercentDone = [&](QObject* Sender, int Percent) {
        EXPECT_EQ(Sender, &D);
        Percents.push_back(Percent);
    };
    int Signals = 0;
    QObject::connect(&D, &TRLData::percentDone, [&](int Percent) {
        ++Signals;
        EXPECT_EQ(Percent, Percents.back()); // right after the handler
    });
    D.SaveAsXMLFile(Path("p.xml"), QString());
    ASSERT_FALSE(Percents.empty());
    EXPECT_EQ(Signals, int(Percents.size()));
    EXPECT_TRUE(std::is_sorted(Percents.begin(), Percents.end()));
    EXPECT_EQ(Percents.back(), 100);
    EXPECT_GT(Percents.size(), 50u);

    WriteFile(Path("keep.xml"), "old contents");
    EXPECT_THROW(D.SaveAsXMLFile(Path("missing-dir/keep.xml"), QString()), EVOKRLDataError);
    EXPECT_EQ(ReadFile(Path("keep.xml")), QByteArray("old contents"));
}
