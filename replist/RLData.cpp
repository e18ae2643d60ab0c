#include <vok/Vok_replist.h>
#include <vok/Vok_sysservices.h>

#include "ColumnFormat.h"

#include <QLocale>

#include <algorithm>
#include <limits>
#include <new>

namespace vok {

namespace {
const QString DefaultCommonHeader = QStringLiteral("Vok Report Listview");
constexpr int StoreAllocRowsBy = 10;
const QChar CheckedFlag = QLatin1Char('X');
const QChar UncheckedFlag = QLatin1Char(' ');

QString DefaultColumnName(int Col)
{
    return QStringLiteral("C-%1").arg(Col);
}

QStringView WithoutSpaces(QStringView Text)
{
    while (Text.startsWith(u' '))
        Text = Text.mid(1);
    while (Text.endsWith(u' '))
        Text.chop(1);
    return Text;
}
QString ClassNameOf(const QObject* Object)
{
    return Object ? QString::fromLatin1(Object->metaObject()->className()) : QStringLiteral("nil");
}
} // namespace

TRLData::TRLData(QObject* AOwner)
    : QObject(AOwner)
    , FCommonHeader(DefaultCommonHeader)
{
    try {
        FStore = std::make_unique<TStringArray>();
        FStore->SetAllocRowsBy(StoreAllocRowsBy);
        FStore->Resize(1, 1);
        FStore->Clear();
        ResizeDescriptors(1);
    } catch (const std::bad_alloc&) {
        throw EVOKRLDataError(ComponentMessage(GetName(), QStringLiteral("failed to initialize (out of memory)")));
    }
    InstallStoreHooks();
}

TRLData::~TRLData() = default;

void TRLData::InstallStoreHooks()
{
    FStore->OnBeforeSortExchange = [this](QObject*, int Index1, int Index2) {
        if (OnBeforeSortExchange)
            OnBeforeSortExchange(this, Index1, Index2);
        Q_EMIT beforeSortExchange(Index1, Index2);
    };
    FStore->OnPercentDone = FReportPercent;
}

void TRLData::AdoptStore(std::unique_ptr<TStringArray> Store)
{
    // Whoever watches the cells (the view) keeps watching the new store.
    if (FStore)
        Store->OnChange = FStore->OnChange;
    FStore = std::move(Store);
    InstallStoreHooks();
}

// Columns beyond NrOfColumns are new, also the one whose descriptor a list
// without columns keeps.
void TRLData::ResizeDescriptors(int Count)
{
    const int Old = qMin(int(FColNames.size()), FNrOfColumns);
    FColNames.resize(std::size_t(Count));
    FColFormats.resize(std::size_t(Count));
    FColCheckModes.resize(std::size_t(Count), cmNone);
    for (int Col = Old + 1; Col <= Count; ++Col) {
        FColNames[std::size_t(Col - 1)] = DefaultColumnName(Col);
        FColFormats[std::size_t(Col - 1)].clear();
        FColCheckModes[std::size_t(Col - 1)] = cmNone;
    }
}

void TRLData::TakeSizeOfFilledStore(int Cols, int Rows)
{
    FStore->Resize(Cols, qMax(Rows, 1));
    ResizeDescriptors(Cols);
    FNrOfColumns = Cols;
    FNrOfRows = Rows;
    RecalcProgressValues(Rows);
}

void TRLData::RecalcProgressValues(int Rows)
{
    const qint64 Cells = qint64(Rows) * (qint64(FNrOfColumns) + 1);
    FProgressCellCount = int(qBound(qint64(1), Cells, qint64(std::numeric_limits<int>::max())));
    FProgressStep = FProgressCellCount / 100 + 1;
}

void TRLData::SetNrOfColumns(int Value)
{
    Value = qMax(Value, 1);
    FStore->Resize(Value, qMax(FNrOfRows, 1));
    try {
        ResizeDescriptors(Value);
    } catch (const std::bad_alloc&) {
        throw EVOKRLDataError(ComponentMessage(GetName(), QStringLiteral("not enough memory on heap")));
    }
    FNrOfColumns = Value;
    RecalcProgressValues(qMax(FNrOfRows, 1));
}

void TRLData::SetNrOfRows(int Value)
{
    Value = qMax(Value, 0);
    // The store always keeps row 1, so an empty list still has a place for its flags.
    FStore->Resize(FNrOfColumns, qMax(Value, 1));
    if (Value == 0)
        for (int Col = 1; Col <= FNrOfColumns; ++Col)
            SetElem(Col, 1, QString());
    FNrOfRows = Value;
    RecalcProgressValues(Value);
}

void TRLData::SetCommonHeader(const QString& Value)
{
    if (FCommonHeader == Value)
        return;
    FCommonHeader = Value;
}

void TRLData::ResetCommonHeader()
{
    SetCommonHeader(DefaultCommonHeader);
}

bool TRLData::IsCellInside(int ACol, int ARow) const
{
    return ACol >= 0 && ACol <= FNrOfColumns && ARow >= 1 && ARow <= FNrOfRows;
}

bool TRLData::IsCheckColumn(int Col) const
{
    return IsValidColumn(Col) && std::size_t(Col) <= FColCheckModes.size() && FColCheckModes[std::size_t(Col - 1)] != cmNone;
}

std::vector<int> TRLData::ColumnsWithText() const
{
    std::vector<int> Columns;
    for (int Col = 0; Col <= FNrOfColumns; ++Col)
        if (!FStore->IsColumnEmpty(Col))
            Columns.push_back(Col);
    return Columns;
}

QString TRLData::RawCell(int ACol, int ARow) const
{
    return FStore->GetString(ACol, ARow);
}

void TRLData::SetRawCell(int ACol, int ARow, const QString& Value)
{
    FStore->SetString(ACol, ARow, Value);
}

QString TRLData::GetElem(int ACol, int ARow) const
{
    if (!IsCellInside(ACol, ARow))
        return QString();
    const QString Raw = RawCell(ACol, ARow);
    return IsCheckColumn(ACol) ? Raw.mid(1) : Raw;
}

void TRLData::SetElem(int ACol, int ARow, const QString& Value)
{
    if (!IsCellInside(ACol, ARow))
        return;
    if (!IsCheckColumn(ACol)) {
        SetRawCell(ACol, ARow, Value);
        return;
    }
    const QString Raw = RawCell(ACol, ARow);
    SetRawCell(ACol, ARow, (Raw.isEmpty() ? UncheckedFlag : Raw[0]) + Value);
}

bool TRLData::GetElemChecked(int ACol, int ARow) const
{
    if (!IsCellInside(ACol, ARow) || !IsCheckColumn(ACol))
        return false;
    const QString Raw = RawCell(ACol, ARow);
    return !Raw.isEmpty() && Raw[0] != UncheckedFlag;
}

void TRLData::SetCheckFlag(int ACol, int ARow, bool Checked)
{
    const QString Raw = RawCell(ACol, ARow);
    const QChar Flag = Checked ? CheckedFlag : UncheckedFlag;
    SetRawCell(ACol, ARow, Raw.isEmpty() ? QString(Flag) : Flag + Raw.mid(1));
}

void TRLData::SetElemChecked(int ACol, int ARow, bool Value)
{
    if (!IsCellInside(ACol, ARow) || !IsCheckColumn(ACol))
        return;
    if (GetColCheckMode(ACol) == cmRadio)
        SetAllCheckmarksOfColIntern(ACol, false, false);
    SetCheckFlag(ACol, ARow, Value);
}

QString TRLData::GetColName(int ColNr) const
{
    return IsValidColumn(ColNr) ? FColNames[std::size_t(ColNr - 1)] : QString();
}

void TRLData::SetColName(int ColNr, const TNameStrType& HLine)
{
    if (IsValidColumn(ColNr))
        FColNames[std::size_t(ColNr - 1)] = ShortString(HLine, NameStrMaxLength);
}

QString TRLData::GetColumnFormat(int ColNr) const
{
    return IsValidColumn(ColNr) ? FColFormats[std::size_t(ColNr - 1)] : QString();
}

void TRLData::SetColumnFormat(int ColNr, const TColFmtString& DefValue)
{
    if (IsValidColumn(ColNr))
        FColFormats[std::size_t(ColNr - 1)] = ShortString(DefValue, ColFmtMaxLength);
}

TCheckMode TRLData::GetColCheckMode(int ColNr) const
{
    return IsValidColumn(ColNr) ? FColCheckModes[std::size_t(ColNr - 1)] : cmNone;
}

void TRLData::SetColCheckMode(int ColNr, TCheckMode Value)
{
    const TCheckMode Old = GetColCheckMode(ColNr);
    if (!IsValidColumn(ColNr) || Old == Value)
        return;
    const TNotifyEvent SavedOnChange = FStore->OnChange;
    FStore->OnChange = nullptr;
    FColCheckModes[std::size_t(ColNr - 1)] = Value;
    for (int Row = 1; Row <= FNrOfRows; ++Row) {
        const QString Raw = RawCell(ColNr, Row);
        if (Raw.isEmpty())
            continue;
        if (Old == cmNone)
            SetRawCell(ColNr, Row, UncheckedFlag + Raw);
        else if (Value == cmNone)
            SetRawCell(ColNr, Row, Raw.mid(1));
    }
    if (Old == cmBox && Value == cmRadio)
        SetAllCheckmarksOfColIntern(ColNr, false, false);
    FStore->OnChange = SavedOnChange;
}

bool TRLData::GetCheckedCol(int ColNr) const
{
    return GetColCheckMode(ColNr) == cmBox;
}

void TRLData::SetCheckedCol(int ColNr, bool Value)
{
    SetColCheckMode(ColNr, Value ? cmBox : cmNone);
}

int TRLData::ColumnIndex(const QString& Head, bool PartialMatch) const
{
    const QString Sought = Head.toLower();
    for (int Col = FNrOfColumns; Col >= 1; --Col) {
        const QString Name = GetColName(Col).toLower();
        if (PartialMatch ? Name.contains(Sought) : Name == Sought)
            return Col;
    }
    return -1;
}

double TRLData::GetAsNumber(int ACol, int ARow) const
{
    const QString Raw = IsCellInside(ACol, ARow) ? RawCell(ACol, ARow) : QString();
    QString Text = WithoutSpaces(IsCheckColumn(ACol) ? QStringView(Raw).mid(1) : QStringView(Raw)).toString();
    Text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (Text.isEmpty())
        return 0.0;
    bool Ok = false;
    const double Value = QLocale::c().toDouble(Text, &Ok);
    if (!Ok || !qIsFinite(Value))
        throw EVOKDStructError(
            QStringLiteral("Class TRLData: invalid numeric string: [%1,%2]: %3").arg(ACol).arg(ARow).arg(Raw));
    return Value;
}

QString TRLData::GetCellDefaultValue(int ACol, int ARow) const
{
    return replist::FormatDefaultValue(GetColumnFormat(ACol), ARow);
}

void TRLData::SetAllCheckmarksOfCol(int Column, bool Checked)
{
    const TCheckMode Mode = GetColCheckMode(Column);
    if (Mode == cmBox || (Mode == cmRadio && !Checked))
        SetAllCheckmarksOfColIntern(Column, Checked, false);
}

void TRLData::SetAllCheckmarksOfColIntern(int Column, bool Checked, bool AffectEnabledRowsOnly)
{
    if (!IsValidColumn(Column))
        return;
    for (int Row = 1; Row <= FNrOfRows; ++Row)
        if (!AffectEnabledRowsOnly || (FStore->GetRowAttrib(Row) & RowAttribDisabled) == 0)
            SetCheckFlag(Column, Row, Checked);
}

void TRLData::InvertAllCheckmarksOfCol(int Column)
{
    InvertAllCheckmarksOfColIntern(Column, false);
}

void TRLData::InvertAllCheckmarksOfColIntern(int Column, bool AffectEnabledRowsOnly)
{
    if (GetColCheckMode(Column) != cmBox)
        return;
    for (int Row = 1; Row <= FNrOfRows; ++Row)
        if (!AffectEnabledRowsOnly || (FStore->GetRowAttrib(Row) & RowAttribDisabled) == 0) {
            const QString Raw = RawCell(Column, Row);
            SetCheckFlag(Column, Row, Raw.isEmpty() || Raw[0] != CheckedFlag);
        }
}

int TRLData::CountCheckedElemsInCol(int Column) const
{
    if (!IsCheckColumn(Column))
        return 0;
    int Count = 0;
    for (int Row = 1; Row <= FNrOfRows; ++Row)
        Count += GetElemChecked(Column, Row) ? 1 : 0;
    return Count;
}

int TRLData::CountCheckedElemsInRow(int Row) const
{
    int Count = 0;
    for (int Col = 1; Col <= FNrOfColumns; ++Col)
        Count += GetElemChecked(Col, Row) ? 1 : 0;
    return Count;
}

int TRLData::FirstCheckedElemInCol(int ColNr) const
{
    if (IsCheckColumn(ColNr))
        for (int Row = 1; Row <= FNrOfRows; ++Row)
            if (GetElemChecked(ColNr, Row))
                return Row;
    return 0;
}

int TRLData::FirstCheckedElemInRow(int RowNr) const
{
    for (int Col = 1; Col <= FNrOfColumns; ++Col)
        if (GetElemChecked(Col, RowNr))
            return Col;
    return 0;
}

void TRLData::InsertColumn(int c)
{
    if (!IsValidColumn(c))
        return;
    FStore->InsertColumn(c);
    const auto At = std::ptrdiff_t(c - 1);
    FColNames.insert(FColNames.begin() + At, QString());
    FColFormats.insert(FColFormats.begin() + At, QString());
    FColCheckModes.insert(FColCheckModes.begin() + At, cmNone);
    ++FNrOfColumns;
    RecalcProgressValues(qMax(FNrOfRows, 1));
}

void TRLData::RemoveColumn(int c)
{
    if (!IsValidColumn(c))
        return;
    FStore->CommitSorting();
    if (FNrOfColumns >= 2) {
        FStore->RemoveColumn(c);
        const auto At = std::ptrdiff_t(c - 1);
        FColNames.erase(FColNames.begin() + At);
        FColFormats.erase(FColFormats.begin() + At);
        FColCheckModes.erase(FColCheckModes.begin() + At);
        --FNrOfColumns;
    } else {
        for (int Row = 0; Row <= FNrOfRows; ++Row)
            SetRawCell(c, Row, QString());
        FColNames.assign(1, QString());
        FColFormats.assign(1, QString());
        FColCheckModes.assign(1, cmNone);
        FNrOfColumns = 0;
    }
    RecalcProgressValues(qMax(FNrOfRows, 1));
}

void TRLData::InsertRow(int r)
{
    if (r < 1 || r > FNrOfRows)
        return;
    FStore->CommitSorting();
    FStore->InsertRow(r);
    ++FNrOfRows;
    RecalcProgressValues(FNrOfRows);
}

void TRLData::RemoveRow(int r)
{
    if (r < 1 || r > FNrOfRows)
        return;
    FStore->CommitSorting();
    if (FNrOfRows >= 2) {
        FStore->RemoveRow(r);
    } else {
        for (int Col = 0; Col <= FNrOfColumns; ++Col)
            SetRawCell(Col, r, QString());
        // The emptied row must not come back disabled or selected.
        FStore->SetRowAttrib(r, 0);
    }
    --FNrOfRows;
    RecalcProgressValues(FNrOfRows);
}

// All empty rows go in one pass over the cells. The store keeps a row 1 even
// when the list has none, so when every row is empty row 1 stays for
// RemoveRow to empty.
void TRLData::RemoveEmptyRows()
{
    std::vector<bool> Empty;
    std::vector<int> TextColumns;
    try {
        Empty.assign(std::size_t(FNrOfRows) + 1, false);
        TextColumns = ColumnsWithText();
    } catch (const std::bad_alloc&) {
        throw EVOKRLDataError(ComponentMessage(GetName(), QStringLiteral("not enough memory on heap")));
    }
    const auto IsEmptyRow = [this, &TextColumns](int Row) {
        for (const int Col : TextColumns) {
            // In a check column a cell holding only its flag is empty too.
            if (!FStore->GetStringUtf8(Col, Row).empty() && (!IsCheckColumn(Col) || !GetElem(Col, Row).isEmpty()))
                return false;
        }
        return true;
    };
    int Count = 0;
    for (int Row = 1; Row <= FNrOfRows; ++Row)
        if (IsEmptyRow(Row)) {
            Empty[std::size_t(Row)] = true;
            ++Count;
        }
    if (Count == 0)
        return;
    const bool KeepFirst = Count == FNrOfRows;
    Empty[1] = Empty[1] && !KeepFirst;
    FStore->CommitSorting();
    FStore->RemoveRows([&Empty](int Row) { return Empty[std::size_t(Row)]; });
    FNrOfRows -= KeepFirst ? Count - 1 : Count;
    RecalcProgressValues(FNrOfRows);
    if (KeepFirst)
        RemoveRow(1);
}

void TRLData::CopyRow(int Source, int Target)
{
    if (Source < 1 || Source > FNrOfRows || Target < 1 || Target > FNrOfRows)
        return;
    for (int Col = 0; Col <= FNrOfColumns; ++Col)
        SetRawCell(Col, Target, RawCell(Col, Source));
    FStore->SetRowAttrib(Target, FStore->GetRowAttrib(Source));
}

void TRLData::Fill(const QString& s)
{
    for (int Col = 1; Col <= FNrOfColumns; ++Col) {
        const bool Check = IsCheckColumn(Col);
        for (int Row = 1; Row <= FNrOfRows; ++Row) {
            if (!Check) {
                SetRawCell(Col, Row, s);
                continue;
            }
            const QString Raw = RawCell(Col, Row);
            const QChar Flag = Raw.isEmpty() || Raw[0] == UncheckedFlag ? UncheckedFlag : CheckedFlag;
            SetRawCell(Col, Row, Flag + s);
        }
    }
}

void TRLData::Clear()
{
    FStore->Clear();
    for (std::size_t I = 0; I < FColNames.size(); ++I) {
        FColNames[I] = DefaultColumnName(int(I) + 1);
        FColFormats[I].clear();
        FColCheckModes[I] = cmNone;
    }
}

void TRLData::Sort(int Col, int ColSec, bool Ascending)
{
    FLastSortColumn = Col;
    FSecondarySortColumn = ColSec;
    FLastSortOrder = Ascending;
    FStore->Sort(Col, ColSec, Ascending);
}

void TRLData::UnSort()
{
    FLastSortColumn = -1;
    FSecondarySortColumn = -1;
    FStore->UnSort();
}

QString TRLData::ClipboardTextWith(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                                   const std::function<QString(const QString&, int, bool)>& Field) const
{
    LeftCol = qMax(LeftCol, 0);
    RightCol = qMin(RightCol, FNrOfColumns);
    TopRow = qMax(TopRow, 1);
    BottomRow = qMin(BottomRow, FNrOfRows);
    QString Text;
    auto AppendLine = [&](const std::function<QString(int)>& CellText) {
        for (int Col = LeftCol; Col <= RightCol; ++Col)
            Text += Field(CellText(Col), Col, Col == RightCol);
    };
    if (AddHeader) {
        AppendLine([this](int Col) { return GetColName(Col); });
        Text += QLatin1String("\n\n");
    }
    for (int Row = TopRow; Row <= BottomRow; ++Row) {
        AppendLine([this, Row](int Col) { return GetElem(Col, Row); });
        Text += QLatin1Char('\n');
    }
    return Text;
}

QString TRLData::ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                               bool UseTabs) const
{
    if (UseTabs)
        return ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, QStringLiteral("\t"));
    std::vector<int> Widths;
    for (int Col = qMax(LeftCol, 0); Col <= qMin(RightCol, FNrOfColumns); ++Col) {
        int Width = AddHeader ? int(GetColName(Col).size()) : 0;
        for (int Row = qMax(TopRow, 1); Row <= qMin(BottomRow, FNrOfRows); ++Row)
            Width = qMax(Width, int(RawCell(Col, Row).size()));
        Widths.push_back(Width);
    }
    const int First = qMax(LeftCol, 0);
    return ClipboardTextWith(LeftCol, TopRow, RightCol, BottomRow, AddHeader,
                             [&](const QString& Text, int Col, bool) {
                                 return LeftString(Text, Widths[std::size_t(Col - First)] + 1);
                             });
}

QString TRLData::ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                               const QString& Separator) const
{
    return ClipboardTextWith(LeftCol, TopRow, RightCol, BottomRow, AddHeader,
                             [&](const QString& Text, int, bool Last) { return Last ? Text : Text + Separator; });
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, bool UseTabs)
{
    PutOnClipboard(ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs));
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              const QString& Separator)
{
    PutOnClipboard(ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator));
}

void TRLData::PutOnClipboard(const QString& Text)
{
    Clipboard().SetAsText(Text);
}

void TRLData::Assign(QObject* Source)
{
    auto* Src = qobject_cast<TRLData*>(Source);
    if (Src == nullptr)
        throw EVOKRLDataError(QStringLiteral("Cannot assign a %1 to a TRLData").arg(ClassNameOf(Source)));
    if (Src == this)
        return;
    const TStringArray& From = *Src->FStore;
    std::unique_ptr<TStringArray> Store;
    std::vector<TNameStrType> Names;
    std::vector<TColFmtString> Formats;
    std::vector<TCheckMode> Modes;
    try {
        Store = std::make_unique<TStringArray>();
        Store->SetAllocRowsBy(From.GetAllocRowsBy());
        Store->Resize(Src->FNrOfColumns, qMax(Src->FNrOfRows, 1));
        for (int Col = 1; Col <= Src->FNrOfColumns; ++Col)
            Store->SetColAttrib(Col, From.GetColAttrib(Col));
        // Cells and row attributes go to their stored rows; copying the
        // permutation then reproduces the source's pending sort.
        for (int Row = 1; Row <= Src->FNrOfRows; ++Row) {
            const int Stored = From.GetSortOrder(Row);
            Store->SetRowAttrib(Stored, From.GetRowAttrib(Row));
            for (int Col = 0; Col <= Src->FNrOfColumns; ++Col)
                Store->SetString(Col, Stored, From.GetString(Col, Row));
        }
        for (int Row = 1; Row <= Src->FNrOfRows; ++Row)
            Store->SetSortOrder(Row, From.GetSortOrder(Row));
        Names = Src->FColNames;
        Formats = Src->FColFormats;
        Modes = Src->FColCheckModes;
    } catch (const std::bad_alloc&) {
        throw EVOKRLDataError(ComponentMessage(GetName(), QStringLiteral("not enough memory on heap")));
    }
    AdoptStore(std::move(Store));
    FColNames = std::move(Names);
    FColFormats = std::move(Formats);
    FColCheckModes = std::move(Modes);
    FNrOfColumns = Src->FNrOfColumns;
    FNrOfRows = Src->FNrOfRows;
    FLastSortColumn = Src->FLastSortColumn;
    FSecondarySortColumn = Src->FSecondarySortColumn;
    FLastSortOrder = Src->FLastSortOrder;
    FSortToggle = Src->FSortToggle;
    FComment = Src->FComment;
    FCommonHeader = Src->FCommonHeader;
    OnBeforeSortExchange = Src->OnBeforeSortExchange;
    FDataID = Src->FDataID;
    RecalcProgressValues(qMax(FNrOfRows, 1));
}

void TRLData::AssignTo(QObject* Dest)
{
    auto* Target = qobject_cast<TRLData*>(Dest);
    if (Target == nullptr)
        throw EVOKRLDataError(QStringLiteral("Cannot assign a TRLData to a %1").arg(ClassNameOf(Dest)));
    Target->Assign(this);
}

void TRLData::TakeContentsFrom(TRLData& Fresh)
{
    AdoptStore(std::move(Fresh.FStore));
    std::swap(FColNames, Fresh.FColNames);
    std::swap(FColFormats, Fresh.FColFormats);
    std::swap(FColCheckModes, Fresh.FColCheckModes);
    std::swap(FNrOfColumns, Fresh.FNrOfColumns);
    std::swap(FNrOfRows, Fresh.FNrOfRows);
    std::swap(FLastSortColumn, Fresh.FLastSortColumn);
    std::swap(FSecondarySortColumn, Fresh.FSecondarySortColumn);
    std::swap(FLastSortOrder, Fresh.FLastSortOrder);
    std::swap(FComment, Fresh.FComment);
    std::swap(FCommonHeader, Fresh.FCommonHeader);
    std::swap(FDataID, Fresh.FDataID);
    std::swap(FProgressCellCount, Fresh.FProgressCellCount);
    std::swap(FProgressStep, Fresh.FProgressStep);
}

void TRLData::BeforeHTMLExport(QString& Text, int Col, int Row)
{
    if (OnBeforeHTMLExport)
        OnBeforeHTMLExport(this, Text, Col, Row);
}

} // namespace vok
