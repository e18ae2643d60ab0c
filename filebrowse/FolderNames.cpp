#include "FolderNames.h"

#include <vok/Vok_strings.h>

#include <algorithm>
#include <vector>

namespace vok {

void SortSubFolders(QList<TSubFolder>& List)
{
    std::vector<std::pair<QString, qsizetype>> Keys;
    Keys.reserve(size_t(List.size()));
    for (qsizetype I = 0; I < List.size(); ++I)
        Keys.emplace_back(List[I].Name.toLower(), I);
    std::stable_sort(Keys.begin(), Keys.end(), [](const auto& A, const auto& B) { return A.first < B.first; });
    QList<TSubFolder> Sorted;
    Sorted.reserve(List.size());
    for (const auto& Key : Keys)
        Sorted.append(std::move(List[Key.second]));
    List = std::move(Sorted);
}

int MatchFolderName(const QStringList& Names, const QString& Name)
{
    const qsizetype Exact = Names.indexOf(Name);
    if (Exact >= 0)
        return int(Exact);
    for (qsizetype I = 0; I < Names.size(); ++I) {
        if (Names[I].compare(Name, Qt::CaseInsensitive) == 0)
            return int(I);
    }
    return -1;
}

bool SplitSubFolderName(const QString& Name, QStringList& Parts)
{
    for (const QChar C : Name) {
        if (C.unicode() < 32 || C == u'"' || C == u'<' || C == u'>' || C == u'|')
            return false;
    }
    const QString Path =
        StripTrailingChars(u'/', StripLeadingChars(u'/', ReplaceCharInString(Name, u'\\', u'/')));
    const QStringList Split = Path.split(u'/');
    for (const QString& Part : Split) {
        if (Part.isEmpty() || Part == u"." || Part == u"..")
            return false;
    }
    Parts = Split;
    return true;
}

} // namespace vok
