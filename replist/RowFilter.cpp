#include "RowFilter.h"

namespace vok::replist {

namespace {
QStringList Tokenize(const QString& Expression)
{
    QStringList Tokens;
    QString Word;
    auto Flush = [&] {
        if (!Word.isEmpty())
            Tokens << Word;
        Word.clear();
    };
    for (int I = 0; I < Expression.size(); ++I) {
        const QChar C = Expression[I];
        if (C == QLatin1Char('"')) {
            // A quoted phrase is one word, blanks and parentheses included.
            Flush();
            const int End = Expression.indexOf(QLatin1Char('"'), I + 1);
            const int Stop = End < 0 ? int(Expression.size()) : End;
            Tokens << QLatin1Char('"') + Expression.mid(I + 1, Stop - I - 1);
            I = Stop;
        } else if (C == QLatin1Char('(') || C == QLatin1Char(')')) {
            Flush();
            Tokens << QString(C);
        } else if (C.isSpace()) {
            Flush();
        } else {
            Word += C;
        }
    }
    Flush();
    return Tokens;
}

bool IsKeyword(const QString& Token, const char* Keyword)
{
    return Token.compare(QLatin1String(Keyword), Qt::CaseInsensitive) == 0;
}
} // namespace

RowFilter::RowFilter(const QString& Expression, TFilterMode Mode, bool IgnoreCase)
    : FMode(Mode)
    , FCase(IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive)
    , FText(Expression)
{
    switch (Mode) {
    case fmGrep:
        FRegex.setPattern(Expression);
        if (IgnoreCase)
            FRegex.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
        FValid = FRegex.isValid();
        if (FValid) {
            FRegex.optimize();
            FRegexMatchesEmpty = FRegex.match(QString()).hasMatch();
        }
        break;
    case fmBoolean: FValid = Expression.trimmed().isEmpty() || ParseBoolean(Expression); break;
    case fmSimple: break;
    }
}

bool RowFilter::ParseBoolean(const QString& Expression)
{
    const QStringList Tokens = Tokenize(Expression);
    int Pos = 0;
    auto Add = [this](Node N) {
        FNodes.push_back(std::move(N));
        return int(FNodes.size()) - 1;
    };
    auto Peek = [&]() -> QString { return Pos < Tokens.size() ? Tokens[Pos] : QString(); };
    // or-expression := and-expression ("or" and-expression)*
    // and-expression := unary (["and"] unary)*
    // unary := "not" unary | "(" or-expression ")" | word
    std::function<int()> OrExpr;
    std::function<int()> Unary = [&]() -> int {
        if (Pos >= Tokens.size())
            return -1;
        const QString T = Tokens[Pos++];
        if (IsKeyword(T, "not")) {
            const int Operand = Unary();
            return Operand < 0 ? -1 : Add({Node::Not, Operand, -1, {}});
        }
        if (T == u"(") {
            const int Inner = OrExpr();
            if (Inner < 0 || Peek() != u")")
                return -1;
            ++Pos;
            return Inner;
        }
        if (T == u")" || IsKeyword(T, "and") || IsKeyword(T, "or"))
            return -1;
        return Add({Node::Word, -1, -1, T.startsWith(QLatin1Char('"')) ? T.mid(1) : T});
    };
    auto AndExpr = [&]() -> int {
        int Left = Unary();
        while (Left >= 0 && Pos < Tokens.size() && Peek() != u")" && !IsKeyword(Peek(), "or")) {
            if (IsKeyword(Peek(), "and"))
                ++Pos;
            const int Right = Unary();
            Left = Right < 0 ? -1 : Add({Node::And, Left, Right, {}});
        }
        return Left;
    };
    OrExpr = [&]() -> int {
        int Left = AndExpr();
        while (Left >= 0 && IsKeyword(Peek(), "or")) {
            ++Pos;
            const int Right = AndExpr();
            Left = Right < 0 ? -1 : Add({Node::Or, Left, Right, {}});
        }
        return Left;
    };
    FRoot = OrExpr();
    return FRoot >= 0 && Pos == Tokens.size();
}

bool RowFilter::Contains(const QStringList& Texts, const QString& Word) const
{
    for (const QString& Text : Texts)
        if (Text.contains(Word, FCase))
            return true;
    return false;
}

bool RowFilter::Evaluate(int Index, const QStringList& Texts) const
{
    const Node& N = FNodes[std::size_t(Index)];
    switch (N.Type) {
    case Node::Word: return Contains(Texts, N.Text);
    case Node::And: return Evaluate(N.Left, Texts) && Evaluate(N.Right, Texts);
    case Node::Or: return Evaluate(N.Left, Texts) || Evaluate(N.Right, Texts);
    case Node::Not: return !Evaluate(N.Left, Texts);
    }
    return false;
}

bool RowFilter::Matches(const QStringList& Texts) const
{
    if (!FValid)
        return false;
    switch (FMode) {
    case fmSimple: return Contains(Texts, FText);
    case fmGrep:
        for (const QString& Text : Texts)
            if (Text.isEmpty() ? FRegexMatchesEmpty : FRegex.match(Text).hasMatch())
                return true;
        return false;
    case fmBoolean: return FRoot < 0 || Evaluate(FRoot, Texts);
    }
    return false;
}

} // namespace vok::replist
