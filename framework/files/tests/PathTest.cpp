#include "CDirectoryPath.h"
#include "CDropFileList.h"
#include "CFilePath.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Shell.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

// A scratch folder: program.dll, readme.txt, plugins/{a.dll, b.txt, deep/c.bin}, old.dll/x.txt.
class PathTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/mvpathXXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        for (auto rel :
             {"program.dll", "readme.txt", "plugins/a.dll", "plugins/b.txt", "plugins/deep/c.bin", "old.dll/x.txt"}) {
            fs::create_directories((root / rel).parent_path());
            std::ofstream(root / rel) << "x";
        }
    }
    void TearDown() override { fs::remove_all(root); }
    std::string Folder() const { return root.string() + "/"; }

    // Every path of the tree below folder, relative to the root, with its kind.
    std::map<std::string, bool> Flatten(const CDirectoryPath& folder) const
    {
        std::map<std::string, bool> out;
        for (int i = 0; i < folder.GetPathCount(); ++i) {
            const CPath* p = folder.GetPath(i);
            out[std::string(p->GetFilePath()).substr(Folder().size())] = p->IsDir();
            if (p->IsDir())
                for (auto& [k, v] : Flatten(*static_cast<const CDirectoryPath*>(p))) out[k] = v;
        }
        return out;
    }

    fs::path root;
};

TEST_F(PathTree, PopulateBuildsTheWholeTreeWithFolderTextsEndingInASeparator)
{
    CDirectoryPath folder(Folder().c_str());
    folder.Populate();
    std::map<std::string, bool> expected{{"program.dll", false},   {"readme.txt", false},
                                         {"plugins/", true},       {"plugins/a.dll", false},
                                         {"plugins/b.txt", false}, {"plugins/deep/", true},
                                         {"plugins/deep/c.bin", false}, {"old.dll/", true},
                                         {"old.dll/x.txt", false}};
    EXPECT_EQ(Flatten(folder), expected);
    EXPECT_TRUE(folder.IsDir());
    EXPECT_FALSE(CFilePath("x").IsDir());
}

TEST_F(PathTree, LinksBackUpTheTreeAreListedButNotWalkedAgain)
{
    // Two links up from the deepest folder: walked blindly, the files would be listed
    // over and over, doubling with every level the system lets a path pass through links.
    fs::create_directory_symlink(root / "plugins", root / "plugins" / "deep" / "up");
    fs::create_directory_symlink(root, root / "plugins" / "deep" / "top");
    // A link across the tree is an ordinary folder.
    fs::create_directory_symlink(root / "old.dll", root / "plugins" / "old");
    CDirectoryPath folder(Folder().c_str());
    folder.Populate();
    std::map<std::string, bool> expected{{"program.dll", false},        {"readme.txt", false},
                                         {"plugins/", true},            {"plugins/a.dll", false},
                                         {"plugins/b.txt", false},      {"plugins/deep/", true},
                                         {"plugins/deep/c.bin", false}, {"plugins/deep/up/", true},
                                         {"plugins/deep/top/", true},   {"plugins/old/", true},
                                         {"plugins/old/x.txt", false},  {"old.dll/", true},
                                         {"old.dll/x.txt", false}};
    EXPECT_EQ(expected, Flatten(folder));
}

TEST_F(PathTree, MaskAppliesToTheTopLevelOnly)
{
    // A sub-folder the mask finds is taken whole, whatever its files are called.
    CDirectoryPath folder(Folder().c_str());
    folder.Populate("dll");
    std::map<std::string, bool> expected{{"program.dll", false}, {"old.dll/", true}, {"old.dll/x.txt", false}};
    EXPECT_EQ(Flatten(folder), expected);
}

TEST_F(PathTree, MissingFolderYieldsNoChildren)
{
    CDirectoryPath folder((Folder() + "absent/").c_str());
    folder.Populate();
    EXPECT_EQ(folder.GetPathCount(), 0);
    EXPECT_EQ(folder.GetPath(0), nullptr);
}

TEST_F(PathTree, LetLooseHandsTheChildToTheCaller)
{
    std::unique_ptr<CPath> loose;
    {
        CDirectoryPath folder(Folder().c_str());
        folder.Populate();
        int count = folder.GetPathCount();
        loose.reset(folder.GetPath(0));
        folder.LetLoose(loose.get());
        EXPECT_EQ(folder.GetPathCount(), count - 1);
    }
    // Still alive (and checked by the sanitizer) after its parent went.
    EXPECT_FALSE(loose->GetFilePath().IsEmpty());
}

TEST_F(PathTree, CopiesOwnTheirChildrenApart)
{
    auto original = std::make_unique<CDirectoryPath>(Folder().c_str());
    original->Populate();
    CDirectoryPath copy(*original);
    CDirectoryPath assigned;
    assigned = *original;
    auto before = Flatten(*original);
    EXPECT_NE(copy.GetPath(0), original->GetPath(0)) << "children are not shared";
    original.reset();
    EXPECT_EQ(Flatten(copy), before);
    EXPECT_EQ(Flatten(assigned), before);
}

LRESULT DropProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DROPFILES) SetPropA(hwnd, "drop", reinterpret_cast<HANDLE>(wParam));
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HDROP Drop(const std::vector<std::string>& paths)
{
    static bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DropProc;
        wc.lpszClassName = "MvPathDropTarget";
        return RegisterClassA(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    HWND target = CreateWindowExA(0, "MvPathDropTarget", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    DragAcceptFiles(target, TRUE);
    EXPECT_TRUE(MvDropFiles(target, paths, POINT{5, 5}));
    MvPumpUntilIdle();
    auto drop = static_cast<HDROP>(GetPropA(target, "drop"));
    DestroyWindow(target);
    return drop;
}

TEST_F(PathTree, DropListKeepsTheOrderAndPopulatesFolders)
{
    std::string longName = Folder() + std::string(300, 'n') + ".wav";   // longer than any fixed buffer
    HDROP drop = Drop({Folder() + "readme.txt", Folder() + "plugins", longName});
    ASSERT_NE(drop, nullptr);
    CDropFileList list(drop);
    DragFinish(drop);
    ASSERT_EQ(list.GetPathCount(), 3);
    EXPECT_EQ(std::string(list.GetPath(0)->GetFilePath()), Folder() + "readme.txt");
    ASSERT_TRUE(list.GetPath(1)->IsDir());
    auto plugins = static_cast<CDirectoryPath*>(list.GetPath(1));
    EXPECT_EQ(std::string(plugins->GetFilePath()), Folder() + "plugins/");
    EXPECT_EQ(plugins->GetPathCount(), 3) << "a.dll, b.txt and deep/";
    EXPECT_EQ(std::string(list.GetPath(2)->GetFilePath()), longName) << "not cut";

    CPath* loose = list.GetPath(0);
    list.LetLoose(loose);
    EXPECT_EQ(list.GetPathCount(), 2);
    delete loose;
}

TEST(DropFileList, EmptyOrUnknownDropGivesNothing)
{
    CDropFileList list(nullptr);
    EXPECT_EQ(list.GetPathCount(), 0);
}

} // namespace
