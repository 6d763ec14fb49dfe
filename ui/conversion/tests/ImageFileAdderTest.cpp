#include "CImageFile2.h"
#include "CImageFileAdder.h"
#include "CImageFileCheckThread.h"
#include "UProgressDisplay.h"

#include "win32/TestHome.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Shell.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

// A 24-bit BMP; a negative height stores the rows top-down.
void WriteBmp(const std::string& path, int32_t width, int32_t height)
{
    const uint32_t row = (uint32_t(width) * 3 + 3) & ~3u;
    const uint32_t pixels = row * uint32_t(height < 0 ? -height : height);
    std::vector<uint8_t> b(54 + pixels, 0x40);
    auto put = [&](size_t at, uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, uint32_t(b.size()), 4);
    put(6, 0, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, uint32_t(width), 4);
    put(22, uint32_t(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(30, 0, 4);
    put(34, pixels, 4);
    put(38, 2835, 4);
    put(42, 2835, 4);
    put(46, 0, 4);
    put(50, 0, 4);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

struct Image {
    std::string name;
    unsigned short width, height;
    bool operator<(const Image& o) const { return name < o.name; }
    bool operator==(const Image& o) const { return name == o.name && width == o.width && height == o.height; }
};

std::ostream& operator<<(std::ostream& out, const Image& i)
{
    return out << i.name << " " << i.width << "x" << i.height;
}

Image Describe(CImageFile2* image)
{
    return {std::filesystem::path(image->GetFilePath().GetFilePath().GetString()).filename().string(),
            image->GetImageInfo().GetWidth(), image->GetImageInfo().GetHeight()};
}

// The owner of the list: keeps the images it is offered, as the image list control does.
class COwner : public CListener {
public:
    explicit COwner(CImageFileAdder& adder) : m_adder(adder) { adder.AddListener(this); }
    ~COwner() override
    {
        for (CImageFile2* image : kept) delete image;
    }
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message != kImagesVerifiedMessage) return CListener::ListenToMessage(message, p, q);
        ++broadcasts;
        EXPECT_EQ(p, &m_adder);
        CPointerList& items = m_adder.GetItemList();
        for (int i = 0; i < items.GetItemCount(); ++i) kept.push_back(static_cast<CImageFile2*>(items.GetAt(i)));
        items.RemoveAll();
        return true;
    }
    std::vector<Image> Kept() const
    {
        std::vector<Image> out;
        for (CImageFile2* image : kept) out.push_back(Describe(image));
        return out;
    }
    int broadcasts = 0;
    std::vector<CImageFile2*> kept;

private:
    CImageFileAdder& m_adder;
};

LRESULT DropProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DROPFILES) SetPropA(hwnd, "drop", reinterpret_cast<HANDLE>(wParam));
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The drop a user's drag of these paths onto a window delivers.
HDROP Drop(const std::vector<std::string>& paths)
{
    static bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DropProc;
        wc.lpszClassName = "MvImageDropTarget";
        return RegisterClassA(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    HWND target = CreateWindowExA(0, "MvImageDropTarget", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    DragAcceptFiles(target, TRUE);
    EXPECT_TRUE(MvDropFiles(target, paths, POINT{5, 5}));
    MvPumpUntilIdle();
    auto drop = static_cast<HDROP>(GetPropA(target, "drop"));
    DestroyWindow(target);
    return drop;
}

class ImageFileAdderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = home.Path() + "/pictures/";
        std::filesystem::create_directories(folder);
        MvTakeShownFileDialogs();
    }
    void TearDown() override { MvPumpUntilIdle(); }
    std::string Bmp(const std::string& name, int32_t width, int32_t height)
    {
        const std::string path = folder + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteBmp(path, width, height);
        return path;
    }
    // A path whose opening blocks the worker until Release.
    std::string Gate(const std::string& name)
    {
        gate = folder + name;
        EXPECT_EQ(0, mkfifo(gate.c_str(), 0600));
        return gate;
    }
    void Release()
    {
        int fd = open(gate.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        close(fd);
    }
    bool Finished(CImageFileAdder& adder)
    {
        const bool ended = MvPumpUntil([&] { return !adder.GetWorker().IsRunning(); }, 30000);
        MvPumpUntilIdle();
        return ended;
    }

    MvTestHome home;
    std::string folder;
    std::string gate;
};

TEST_F(ImageFileAdderTest, PromptedPicturesAreCheckedAndOffered)
{
    const std::string a = Bmp("a.bmp", 320, 240);
    const std::string b = Bmp("b.bmp", 16, -9);
    const std::string text = folder + "notes.bmp";
    std::ofstream(text) << "not a picture";
    CImageFileAdder adder;
    COwner owner(adder);
    MvScriptFileDialog(MvFileDialogAnswer{true, {a, text, b}, 0});
    adder.Add();
    auto shown = MvTakeShownFileDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].flags & OFN_ALLOWMULTISELECT);
    EXPECT_EQ(shown[0].filters.front().second, "*.bmp");
    ASSERT_TRUE(Finished(adder));
    EXPECT_EQ(owner.broadcasts, 1);
    EXPECT_EQ(owner.Kept(), (std::vector<Image>{{"a.bmp", 320, 240}, {"b.bmp", 16, 9}}))
        << "a file that does not load is dropped";
    EXPECT_EQ(adder.GetItemList().GetItemCount(), 0);
    EXPECT_EQ(adder.GetWorker().GetQueue().GetItemCount(), 0);
    EXPECT_EQ(adder.GetWorker().GetResults().GetItemCount(), 0);
    EXPECT_EQ(adder.GetProgressDialog().GetSafeHwnd(), nullptr) << "the progress dialog ended";

    // A cancelled prompt starts nothing.
    MvScriptFileDialog(MvFileDialogAnswer{});
    adder.Add();
    EXPECT_FALSE(adder.GetWorker().IsRunning());
    EXPECT_EQ(owner.broadcasts, 1);
}

TEST_F(ImageFileAdderTest, DroppedFoldersAreWalkedToAllDepths)
{
    Bmp("trip/a.bmp", 4, 3);
    Bmp("trip/day/b.bmp", 5, 3);
    Bmp("trip/day/evening/c.bmp", 6, 3);
    std::ofstream(folder + "trip/readme.txt") << "words";
    const std::string single = Bmp("single.bmp", 7, -3);
    CImageFileAdder adder;
    COwner owner(adder);
    adder.AddDroppedFiles(Drop({folder + "trip", single}));
    ASSERT_TRUE(Finished(adder));
    ASSERT_EQ(owner.broadcasts, 1);
    std::vector<Image> kept = owner.Kept();
    ASSERT_EQ(kept.size(), 4u);
    EXPECT_EQ(kept.back(), (Image{"single.bmp", 7, 3})) << "the queue keeps the order of the drop";
    std::sort(kept.begin(), kept.end() - 1);
    EXPECT_EQ(kept, (std::vector<Image>{{"a.bmp", 4, 3}, {"b.bmp", 5, 3}, {"c.bmp", 6, 3}, {"single.bmp", 7, 3}}));
}

TEST_F(ImageFileAdderTest, AnEmptyFolderEndsAtOnce)
{
    std::filesystem::create_directories(folder + "empty/inner");
    CImageFileAdder adder;
    COwner owner(adder);
    adder.AddDroppedFiles(Drop({folder + "empty"}));
    ASSERT_TRUE(Finished(adder));
    EXPECT_EQ(owner.broadcasts, 1);
    EXPECT_TRUE(owner.kept.empty());
    EXPECT_EQ(adder.GetProgressDialog().GetSafeHwnd(), nullptr);
}

TEST_F(ImageFileAdderTest, CancellingKeepsEveryFileOut)
{
    const std::string first = Bmp("first.bmp", 8, 8);
    const std::string blocked = Gate("blocked.bmp");
    const std::string last = Bmp("last.bmp", 8, 8);
    CImageFileAdder adder;
    COwner owner(adder);
    MvScriptFileDialog(MvFileDialogAnswer{true, {first, blocked, last}, 0});
    adder.Add();
    CImageFileCheckThread& worker = adder.GetWorker();
    // The worker waits in the second file, the first one already found.
    ASSERT_TRUE(MvPumpUntil([&] { return std::string(worker.GetDetailText()) == "Checking blocked.bmp"; }, 30000));
    EXPECT_EQ(worker.GetIndex(), 1);
    HWND dialog = adder.GetProgressDialog().GetSafeHwnd();
    ASSERT_NE(dialog, nullptr);
    char title[64] = {};
    GetWindowTextA(dialog, title, sizeof title);
    EXPECT_STREQ(title, "Adding files...");
    EXPECT_NEAR(worker.GetProgress(), 1.0 / 3, 1e-9);
    HWND panel = adder.GetProgressDialog().GetPanel().GetSafeHwnd();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(MvPumpUntil(
        [&] {
            char text[64] = {};
            GetDlgItemTextA(panel, UProgressDisplay::kDetailText, text, sizeof text);
            return std::string(text) == "Checking blocked.bmp";
        },
        30000))
        << "the dialog shows the file being checked";

    auto cancel = CtlModelAs<CtlButton>(GetDlgItem(dialog, IDCANCEL));
    ASSERT_NE(cancel, nullptr);
    cancel->UserClick();
    EXPECT_TRUE(worker.IsCanceled());
    Release();
    ASSERT_TRUE(Finished(adder));
    EXPECT_EQ(owner.broadcasts, 0) << "nothing is offered";
    EXPECT_EQ(adder.GetItemList().GetItemCount(), 0);
    EXPECT_EQ(worker.GetResults().GetItemCount(), 0) << "what was found so far is deleted";
    EXPECT_EQ(worker.GetQueue().GetItemCount(), 0);
    EXPECT_EQ(adder.GetProgressDialog().GetSafeHwnd(), nullptr);
}

TEST_F(ImageFileAdderTest, AnAdderGoneWhileCheckingStopsItsWorker)
{
    const std::string blocked = Gate("blocked.bmp");
    auto adder = std::make_unique<CImageFileAdder>();
    COwner owner(*adder);
    MvScriptFileDialog(MvFileDialogAnswer{true, {blocked, Bmp("after.bmp", 2, 2)}, 0});
    adder->Add();
    // Once the status names the file, the worker goes on to open it whatever happens.
    ASSERT_TRUE(MvPumpUntil(
        [&] { return std::string(adder->GetWorker().GetDetailText()) == "Checking blocked.bmp"; }, 30000));
    // The gate opens from another thread while the adder waits for its worker.
    std::thread opener([this] { Release(); });
    adder.reset();
    opener.join();
    MvPumpUntilIdle();
    EXPECT_EQ(owner.broadcasts, 0) << "a worker stopped by its adder offers nothing";
}

TEST(ImageFileCheckThread, SizesAreTakenWhicheverWayTheRowsRun)
{
    MvTestHome home;
    const std::string up = home.Path() + "/up.bmp";
    const std::string down = home.Path() + "/down.bmp";
    WriteBmp(up, 320, 240);
    WriteBmp(down, 320, -240);
    CImageFileCheckThread worker;
    for (const std::string& path : {up, down, home.Path() + "/missing.bmp"})
        worker.GetQueue().Add(new CPath(path.c_str()));
    ASSERT_TRUE(worker.Execute(0));
    ASSERT_TRUE(MvPumpUntil([&] { return !worker.IsRunning(); }, 30000));
    CPointerList& results = worker.GetResults();
    ASSERT_EQ(results.GetItemCount(), 2);
    EXPECT_EQ(Describe(static_cast<CImageFile2*>(results.GetAt(0))), (Image{"up.bmp", 320, 240}));
    EXPECT_EQ(Describe(static_cast<CImageFile2*>(results.GetAt(1))), (Image{"down.bmp", 320, 240}));
    EXPECT_EQ(worker.GetIndex(), 2);
    EXPECT_STREQ(worker.GetDetailText(), "Checking missing.bmp");
}

} // namespace
