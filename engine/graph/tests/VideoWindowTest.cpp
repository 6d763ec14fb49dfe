#include "CDirectShowWindow.h"
#include "CDirectoryPath.h"
#include "CFilePath.h"
#include "CListener.h"

#include "win32/controls/CtlMessages.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/Messages.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Hears the window; accepts the dropped file whose name ends as asked.
class CWindowRecorder : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        messages.push_back(message);
        if (message == CDirectShowWindow::kVideoWindowFileDroppedMessage) {
            const std::string path = static_cast<const char*>(p);
            offered.push_back(path);
            if (!accept.empty() && path.ends_with(accept)) *static_cast<BYTE*>(const_cast<void*>(q)) = 1;
        }
        if (message == CDirectShowWindow::kVideoWindowKeyDownMessage) {
            const DWORD* words = static_cast<const DWORD*>(p);
            keys.assign(words, words + 3);
        }
        return CListener::ListenToMessage(message, p, q);
    }
    std::vector<long> messages;
    std::vector<std::string> offered;
    std::vector<DWORD> keys;
    std::string accept;
};

} // namespace

TEST(VideoWindowTest, ClicksAndKeysAreAnnounced)
{
    CDirectShowWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 160, 120), nullptr, 0));
    CWindowRecorder recorder;
    window.AddListener(&recorder);
    SendMessageA(window.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    SendMessageA(window.GetSafeHwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 10));
    SendMessageA(window.GetSafeHwnd(), WM_KEYDOWN, 0x20, MAKELPARAM(3, 0x39));
    SendMessageA(window.GetSafeHwnd(), WM_KEYUP, 0x20, MAKELPARAM(1, 0xC039));
    EXPECT_EQ(recorder.messages, (std::vector<long>{CDirectShowWindow::kVideoWindowClickMessage,
                                                    CDirectShowWindow::kVideoWindowDoubleClickMessage,
                                                    CDirectShowWindow::kVideoWindowKeyDownMessage,
                                                    CDirectShowWindow::kVideoWindowKeyUpMessage}));
    EXPECT_EQ(recorder.keys, (std::vector<DWORD>{0x20, 3, 0x39}));
    // A graph notice without a graph is ignored.
    EXPECT_EQ(SendMessageA(window.GetSafeHwnd(), 0x480, 0, 0), 0);
    window.RemoveListener(&recorder);
    window.DestroyWindow();
}

TEST(VideoWindowTest, DroppedFoldersOfferTheirFilesUntilOneIsTaken)
{
    const fs::path dir = fs::temp_directory_path() / ("mvgraph_drop_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const char* name : {"a.avi", "b.wav", "c.mp3"}) std::ofstream(dir / name) << "x";
    CDirectShowWindow window;
    CWindowRecorder recorder;
    window.AddListener(&recorder);

    CDirectoryPath folder(dir.string().c_str());
    folder.Populate();
    ASSERT_EQ(folder.GetPathCount(), 3);
    recorder.accept = "b.wav";
    // The folder itself never answers true, even when one of its files was taken.
    EXPECT_FALSE(window.ImportPath(static_cast<CPath*>(&folder), nullptr));
    ASSERT_FALSE(recorder.offered.empty());
    EXPECT_TRUE(recorder.offered.back().ends_with("b.wav"));
    EXPECT_LE(recorder.offered.size(), 2u);

    CFilePath file((dir / "c.mp3").string().c_str());
    EXPECT_FALSE(window.ImportPath(static_cast<CPath*>(&file), nullptr));
    recorder.accept = "c.mp3";
    EXPECT_TRUE(window.ImportPath(static_cast<CPath*>(&file), nullptr));
    window.RemoveListener(&recorder);
    fs::remove_all(dir);
}
