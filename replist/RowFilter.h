// The row test of the report list's filter: a plain substring, an
// expression of words joined by and, or, not and parentheses (each word a
// substring test), or a regular expression. A row matches when any of its
// texts matches; in the expression form each word may be found in any text.
#pragma once

#include <vok/Vok_replist.h>

#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace vok::replist {

class VOK_EXPORT RowFilter
{
public:
    RowFilter(const QString& Expression, TFilterMode Mode, bool IgnoreCase);

    // False for an expression that cannot be read (a broken regular
    // expression, unbalanced parentheses, a missing word): it matches nothing.
    bool IsValid() const { return FValid; }
    bool Matches(const QStringList& Texts) const;

private:
    struct Node
    {
        enum Kind { Word, And, Or, Not } Type = Word;
        int Left = -1;
        int Right = -1;
        QString Text;
    };
    bool ParseBoolean(const QString& Expression);
    bool Evaluate(int Node, const QStringList& Texts) const;
    bool Contains(const QStringList& Texts, const QString& Word) const;

    TFilterMode FMode;
    Qt::CaseSensitivity FCase;
    QString FText;
    QRegularExpression FRegex;
    // Whether FRegex finds a match in an empty text (asked once, not per cell).
    bool FRegexMatchesEmpty = false;
    std::vector<Node> FNodes;
    int FRoot = -1;
    bool FValid = true;
};

} // namespace vok::replist
