// The incremental report-list markup reader, fed the same markup whole and
// in pieces of a size taken from the input.
//
// Invariants: where the markup is cut makes no difference to whether the
// list finishes, nor, for a finished list, to the elements delivered, their
// texts and the data identifier; nothing is delivered after the list failed
// or finished.
#include "FuzzCheck.h"

#include "ReplistXml.h"

#include <vector>

using namespace vok;
using namespace vok::replist;

namespace {

struct Outcome
{
    std::vector<ReplistXmlItem> Items;
    ReplistXmlReader::TState State = ReplistXmlReader::TState::NeedMore;
    QString DataID;
};

// Feeds Markup in pieces of the given sizes (cycled); a handler refusing
// element number RefuseAt (0: none) fails the list.
Outcome Parse(const QByteArray& Markup, const std::vector<int>& PieceSizes, std::size_t RefuseAt)
{
    Outcome Result;
    bool Ended = false;
    ReplistXmlReader Reader([&](const ReplistXmlItem& Item) {
        FUZZ_CHECK(!Ended);
        Result.Items.push_back(Item);
        return Result.Items.size() != RefuseAt;
    });
    std::size_t Next = 0;
    for (qsizetype At = 0; At < Markup.size() && Result.State == ReplistXmlReader::TState::NeedMore;) {
        const int Piece = PieceSizes[Next++ % PieceSizes.size()];
        Result.State = Reader.Feed(Markup.mid(At, Piece));
        At += Piece;
    }
    Ended = Result.State != ReplistXmlReader::TState::NeedMore;
    // A reader that has ended takes nothing more.
    if (Ended)
        FUZZ_CHECK(Reader.Feed("<cell c=\"1\" r=\"1\">late</cell>") == Result.State);
    Result.DataID = Reader.DataID();
    return Result;
}

bool SameItem(const ReplistXmlItem& A, const ReplistXmlItem& B)
{
    return A.Tag == B.Tag && A.Col == B.Col && A.Row == B.Row && A.Text == B.Text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    fuzz::InputCursor In(Data, Size);
    std::vector<int> Pieces;
    for (int I = 0, Count = 1 + In.Choice(4); I < Count; ++I)
        Pieces.push_back(1 + In.Byte());
    const std::size_t RefuseAt = In.Choice(8);
    const QByteArray Markup = In.Rest();
    if (Markup.isEmpty())
        return 0;

    const Outcome Whole = Parse(Markup, {int(Markup.size())}, RefuseAt);
    const Outcome Cut = Parse(Markup, Pieces, RefuseAt);
    // Whether the list finished does not depend on the cuts. A list that does
    // not finish may fail at once or wait for more (the XML parser meets
    // broken UTF-8 split over pieces that way); to its reader both are a
    // list that did not load.
    // Bytes that are no UTF-8 are the exception: the parser decodes all it
    // holds at once, so junk even after the list's end fails a whole feed
    // (TRLData therefore feeds such pieces line by line).
    const bool Finished = Whole.State == ReplistXmlReader::TState::Finished;
    if (QByteArrayView(Markup).isValidUtf8())
        FUZZ_CHECK(Finished == (Cut.State == ReplistXmlReader::TState::Finished));
    // A failed list may fail sooner or later depending on the cuts (bytes
    // that are no UTF-8 are found when they arrive); the elements both
    // delivered agree.
    if (Finished && Cut.State == ReplistXmlReader::TState::Finished) {
        FUZZ_CHECK(Whole.DataID == Cut.DataID);
        FUZZ_CHECK(Whole.Items.size() == Cut.Items.size());
    }
    for (std::size_t I = 0; I < Whole.Items.size() && I < Cut.Items.size(); ++I)
        FUZZ_CHECK(SameItem(Whole.Items[I], Cut.Items[I]));
    if (RefuseAt > 0 && Whole.Items.size() >= RefuseAt)
        FUZZ_CHECK(Whole.State == ReplistXmlReader::TState::Failed);
    return 0;
}
