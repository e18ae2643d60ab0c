#include "FolderNames.h"

#include <vok/Vok_FolderTree.h>
#include <vok/Vok_strings.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <unistd.h>

using namespace vok;

namespace {

// A temporary folder tree made by the test; Path() ends in "/".
class FolderTreeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Temp.isValid());
        Tree.HandleNeeded();
        Tree.OnDirChanged = [this](QObject*) { ++DirChanges; };
    }

    QString Path(const QString& Relative = {}) const
    {
        return EnsureTrailingSeparator(QDir::cleanPath(Temp.path() + u'/' + Relative));
    }
    void Make(const QStringList& Folders)
    {
        for (const QString& F : Folders)
            ASSERT_TRUE(QDir().mkpath(Temp.path() + u'/' + F)) << qPrintable(F);
    }
    // The texts of the children of the node that stands for Folder.
    QStringList ChildTexts(const QString& Folder)
    {
        QStringList Texts;
        const TTreeNode* Node = NodeOf(Folder);
        for (int I = 0; Node && I < Node->GetCount(); ++I)
            Texts.append(Node->GetItem(I)->GetText());
        return Texts;
    }
    TTreeNode* NodeOf(const QString& Folder)
    {
        for (int I = 0; I < Tree.GetItems().GetCount(); ++I) {
            TTreeNode* Node = Tree.GetItems().GetItem(I);
            if (Tree.PathOfNode(Node) == Path(Folder))
                return Node;
        }
        return nullptr;
    }

    QTemporaryDir Temp;
    TFolderTree Tree;
    int DirChanges = 0;
};

} // namespace

// ---------------------------------------------------------------- name rules

TEST(FolderNames, SortIgnoresCaseAndKeepsEqualNamesInOrder)
{
    QList<TSubFolder> List{{"b", false}, {"A", true}, {"c", false}, {"a", false}, {"B", false}};
    SortSubFolders(List);
    QStringList Names;
    for (const TSubFolder& F : List)
        Names.append(F.Name);
    EXPECT_EQ(Names, QStringList({"A", "a", "b", "B", "c"}));
    EXPECT_TRUE(List[0].HasSubFolders);
}

TEST(FolderNames, ExactNameFirstThenIgnoringCase)
{
    EXPECT_EQ(MatchFolderName({"Data", "data"}, "data"), 1);
    EXPECT_EQ(MatchFolderName({"Data", "data"}, "Data"), 0);
    EXPECT_EQ(MatchFolderName({"x", "Data"}, "DATA"), 1);
    EXPECT_EQ(MatchFolderName({"x"}, "y"), -1);
}

TEST(FolderNames, NewFolderNamesStayBelowTheirFolder)
{
    struct Case
    {
        const char* Name;
        bool Ok;
        QStringList Parts;
    };
    const Case Cases[] = {
        {"/x/y/", true, {"x", "y"}},
        {"\\x\\y", true, {"x", "y"}},
        {"new", true, {"new"}},
        {"a|b", false, {}},
        {"a\"b", false, {}},
        {"<a>", false, {}},
        {"a\tb", false, {}},
        {"..", false, {}},
        {"a/../../b", false, {}},
        {"./a", false, {}},
        {"a//b", false, {}},
        {"", false, {}},
        {"///", false, {}},
    };
    for (const Case& C : Cases) {
        QStringList Parts;
        EXPECT_EQ(SplitSubFolderName(QString::fromUtf8(C.Name), Parts), C.Ok) << C.Name;
        EXPECT_EQ(Parts, C.Parts) << C.Name;
    }
}

// ---------------------------------------------------------------- browsing

TEST_F(FolderTreeTest, StartsAtTheRootCollapsed)
{
    EXPECT_EQ(Tree.GetDirectory(), QStringLiteral("/"));
    ASSERT_EQ(Tree.GetItems().GetCount(), 2);
    EXPECT_EQ(Tree.GetItems().GetFirstNode()->GetText(), QStringLiteral("/"));
    EXPECT_EQ(Tree.GetItems().GetItem(1)->GetText(), QStringLiteral("Child"));
    EXPECT_FALSE(Tree.GetItems().GetFirstNode()->GetExpanded());
}

TEST_F(FolderTreeTest, ExpandingLoadsSortedSubfoldersOnce)
{
    Make({"b", "A/inner", "c", "dots/.hidden", ".secret/x", "files"});
    QFile(Temp.path() + "/files/note.txt").open(QIODevice::WriteOnly);
    ASSERT_TRUE(Tree.SelectPath(Path()));
    TTreeNode* Node = NodeOf("");
    ASSERT_TRUE(Node);
    EXPECT_EQ(Node->GetData(), TFolderTree::LoadedMarker);
    EXPECT_EQ(ChildTexts(""), QStringList({"A", "b", "c", "dots", "files"}));
    // Only A has a subfolder that shows: only A gets an expand button.
    EXPECT_EQ(ChildTexts("A"), QStringList({"Child"}));
    EXPECT_TRUE(ChildTexts("dots").isEmpty());
    EXPECT_TRUE(ChildTexts("files").isEmpty());

    NodeOf("A")->SetExpanded(true);
    EXPECT_EQ(ChildTexts("A"), QStringList({"inner"}));
    Make({"A/later"}); // not read again once loaded
    NodeOf("A")->Collapse(false);
    NodeOf("A")->SetExpanded(true);
    EXPECT_EQ(ChildTexts("A"), QStringList({"inner"}));

    QStringList Names{"kept"};
    EXPECT_TRUE(Tree.GetSubDirs(Path(), Names));
    EXPECT_EQ(Names, QStringList({"kept", "A", "b", "c", "dots", "files"}));
    Names.clear();
    EXPECT_FALSE(Tree.GetSubDirs(Path("b"), Names));
    EXPECT_FALSE(Tree.GetSubDirs(Path("missing"), Names));
}

TEST_F(FolderTreeTest, UnreadableFolderShowsNoChildren)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    Make({"locked/inside"});
    ASSERT_TRUE(QFile::setPermissions(Temp.path() + "/locked", QFileDevice::Permissions()));
    ASSERT_TRUE(Tree.SelectPath(Path("locked")));
    EXPECT_TRUE(ChildTexts("locked").isEmpty());
    QFile::setPermissions(Temp.path() + "/locked", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(FolderTreeTest, SelectPathWithOrWithoutTrailingSlash)
{
    Make({"Data/2024"});
    QSignalSpy Spy(&Tree, &TFolderTree::dirChanged);
    ASSERT_TRUE(Tree.SelectPath(Temp.path() + "/Data/2024"));
    EXPECT_EQ(Tree.GetDirectory(), Path("Data/2024"));
    EXPECT_EQ(DirChanges, 1);
    ASSERT_EQ(Spy.count(), 1);
    EXPECT_EQ(Spy.at(0).at(0).toString(), Path("Data/2024"));
    ASSERT_TRUE(Tree.SelectPath(Path("Data/2024")));
    EXPECT_EQ(Tree.GetSelected()->GetText(), QStringLiteral("2024"));
    EXPECT_EQ(DirChanges, 1); // same folder: no change reported
    EXPECT_TRUE(Tree.GetSelected()->GetParent()->GetExpanded());

    EXPECT_FALSE(Tree.SelectPath(Path("Data/2025")));
    EXPECT_EQ(Tree.GetDirectory(), Path("Data/2024"));
}

TEST_F(FolderTreeTest, FoldersDifferingOnlyInCaseEachSelectTheirOwn)
{
    Make({"Data", "data"});
    ASSERT_TRUE(Tree.SelectPath(Path("data")));
    EXPECT_EQ(Tree.GetDirectory(), Path("data"));
    ASSERT_TRUE(Tree.SelectPath(Path("Data")));
    EXPECT_EQ(Tree.GetDirectory(), Path("Data"));
}

TEST_F(FolderTreeTest, HiddenFolderSelectsItsNearestShownAncestor)
{
    Make({"a/.cache"});
    EXPECT_FALSE(Tree.SelectPath(Path("a/.cache")));
    EXPECT_EQ(Tree.GetDirectory(), Path("a"));
}

// ---------------------------------------------------------------- changing folders

TEST_F(FolderTreeTest, MakeSubFolder)
{
    Make({"base"});
    EXPECT_FALSE(Tree.MakeSubFolder("x")); // nothing selected yet
    ASSERT_TRUE(Tree.SelectPath(Path("base")));
    EXPECT_FALSE(Tree.MakeSubFolder("a|b"));
    EXPECT_FALSE(Tree.MakeSubFolder("../../escape"));
    EXPECT_FALSE(QDir(Temp.path() + "/escape").exists());
    EXPECT_FALSE(QDir(Path("base") + "../../escape").exists());
    EXPECT_EQ(Tree.GetDirectory(), Path("base"));

    ASSERT_TRUE(Tree.MakeSubFolder("/x/y/"));
    EXPECT_TRUE(QDir(Path("base/x/y")).exists());
    EXPECT_EQ(Tree.GetDirectory(), Path("base/x/y"));
    EXPECT_EQ(Tree.GetSelected()->GetText(), QStringLiteral("y"));
}

TEST_F(FolderTreeTest, RemoveSelectedFolderOnlyWhenEmpty)
{
    Make({"full/child", "empty"});
    ASSERT_TRUE(Tree.SelectPath(Path("full")));
    const int Nodes = Tree.GetItems().GetCount();
    EXPECT_FALSE(Tree.RemoveSelectedFolder());
    EXPECT_EQ(Tree.GetDirectory(), Path("full"));
    EXPECT_EQ(Tree.GetItems().GetCount(), Nodes);

    ASSERT_TRUE(Tree.SelectPath(Path("empty")));
    EXPECT_TRUE(Tree.RemoveSelectedFolder());
    EXPECT_FALSE(QDir(Path("empty")).exists());
    EXPECT_EQ(Tree.GetDirectory(), Path());

    Tree.SetSelected(Tree.GetItems().GetFirstNode());
    EXPECT_FALSE(Tree.RemoveSelectedFolder()); // never the root
}

TEST_F(FolderTreeTest, RefreshAfterAnOutsideDeletionSelectsTheNearestAncestor)
{
    Make({"keep/gone/deeper"});
    ASSERT_TRUE(Tree.SelectPath(Path("keep/gone/deeper")));
    DirChanges = 0;
    ASSERT_TRUE(QDir(Path("keep/gone")).removeRecursively());
    EXPECT_TRUE(Tree.RefreshTree());
    EXPECT_EQ(Tree.GetDirectory(), Path("keep"));
    EXPECT_EQ(DirChanges, 1);

    EXPECT_TRUE(Tree.RefreshTree()); // nothing gone: no change reported
    EXPECT_EQ(DirChanges, 1);
}

// ---------------------------------------------------------------- color

TEST_F(FolderTreeTest, BlackFromAFormShowsWhiteAndDisabledShowsButtonFace)
{
    LoadComponentProperties(&Tree, {{QStringLiteral("Color"), QVariant::fromValue(quint32(clBlack))}});
    EXPECT_EQ(Tree.GetColor(), clWhite);

    Tree.SetColor(0x102030);
    Tree.SetEnabled(false);
    EXPECT_EQ(Tree.GetColor(), clBtnFace);
    Tree.SetEnabled(true);
    EXPECT_EQ(Tree.GetColor(), 0x102030u);

    QWidget Parent;
    Tree.setParent(&Parent);
    Parent.setEnabled(false);
    EXPECT_EQ(Tree.GetColor(), clBtnFace);
    EXPECT_TRUE(Tree.GetEnabled());
    Parent.setEnabled(true);
    EXPECT_EQ(Tree.GetColor(), 0x102030u);
    Tree.setParent(nullptr);
}
