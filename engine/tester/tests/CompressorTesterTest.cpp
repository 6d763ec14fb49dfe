#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CAudioCompressorTestAdministrator2.h"
#include "CCheckCodecsDialog.h"
#include "CCodecTesterThread.h"
#include "CCompressorTestLoop.h"
#include "CFormatTypes.h"
#include "CListener.h"
#include "SNotifyRecord.h"
#include "StDirectShow.h"
#include "UTesterMarks.h"

#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"
#include "win32/kernel/Threads.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class CompressorTesterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
        if (!CAudioCodecsInfo::sInfo) m_codecs = std::make_unique<CAudioCodecsInfo>(true);
        UTesterMarks::Open(m_marks, UTesterMarks::kCodecsFile);
    }
    void TearDown() override
    {
        // Taken out of the catalogue, an entry is the caller's again.
        for (CAudioCodecInfo* codec : m_added) {
            CAudioCodecsInfo::sInfo->RemoveCodec(codec);
            delete codec;
        }
    }
    CAudioCodecInfo* AddCodec(const char* name)
    {
        CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo->Add(name, "");
        codec->Activate(true);
        m_added.push_back(codec);
        return codec;
    }
    void Block(const char* name, DWORD value) { CRegistry(name, "blocked", &m_marks).SetValue(value); }

    MvTestHome m_home;
    StDirectShow m_com;
    CIniProfile m_marks;
    std::unique_ptr<CFormatTypes> m_types;
    std::unique_ptr<CAudioCodecsInfo> m_codecs;
    std::vector<CAudioCodecInfo*> m_added;
};

std::vector<CString> Listed(CCompressorTestAdministrator2& admin)
{
    std::vector<CString> names;
    for (int i = 0; i < admin.GetCodecCount(); ++i) names.emplace_back(admin.GetCodec(i)->GetDisplayName());
    return names;
}

} // namespace

TEST_F(CompressorTesterTest, OnlyWhatIsNewOrHasNewTypesIsListedAndABlockedCodecNever)
{
    AddCodec("Fresh");
    AddCodec("Skipped")->SetSkipped(true);
    AddCodec("Not Loaded")->SetLoad(false);
    CAudioCodecsInfo::sInfo->Add("Absent", "");  // not activated: not on this machine
    m_added.push_back(static_cast<CAudioCodecInfo*>(CAudioCodecsInfo::sInfo->Find("Absent", "")));
    AddCodec("Crashed");
    Block("Crashed", 1);
    CAudioCodecInfo* known = AddCodec("Known");
    known->SetTested(true);
    known->AddSetting(44100, 2, 16, 128000, 4);
    CAudioCodecInfo* bare = AddCodec("Tested Bare");
    bare->SetTested(true);

    CAudioCompressorTestAdministrator2 full(true);
    full.SetPrompt(false);
    ASSERT_TRUE(full.LoadAndPrompt());
    EXPECT_EQ(Listed(full), std::vector<CString>{"Fresh"});

    // Without the full check, a codec tested before comes back for the types it has no
    // result for, and only when it showed what it takes.
    CAudioCompressorTestAdministrator2 types(false);
    types.SetPrompt(false);
    ASSERT_TRUE(types.LoadAndPrompt());
    EXPECT_EQ(Listed(types), std::vector<CString>{"Known"});
    for (int i = 0; i < CFormatTypes::sFormatTypes->GetFileTypeCount(); ++i) {
        const CFormatType* type = CFormatTypes::sFormatTypes->GetFileType(i);
        if (types.NeedTestFileType(known, type)) known->SetSupported(type->GetSplitterType(), false);
    }
    EXPECT_FALSE(types.LoadAndPrompt());
}

// Types a codec is never tried with (any multiplexer for Vorbis, DV for PCM) stay without a
// result; they must not bring the codec back to every later check and its prompt.
TEST_F(CompressorTesterTest, TypesACodecIsNeverTriedWithDoNotListItAgain)
{
    constexpr ESplitterType kDv = 900, kOgg = 1100;
    struct Case {
        const char* name;
        bool onlyOggAnswered;          // else every type but DV has its result
        bool listed;
    };
    for (const Case& c : {Case{"PCM", false, false}, Case{"Vorbis Encoder", true, false},
                          Case{"Wave Codec", false, true}, Case{"Ogg Codec", true, true}}) {
        CAudioCodecInfo* codec = AddCodec(c.name);
        codec->SetTested(true);
        codec->AddSetting(44100, 2, 16, 128000, 4);
        CAudioCompressorTestAdministrator2 check(false);
        for (int i = 0; i < CFormatTypes::sFormatTypes->GetFileTypeCount(); ++i) {
            const CFormatType* type = CFormatTypes::sFormatTypes->GetFileType(i);
            const ESplitterType id = type->GetSplitterType();
            if (check.NeedTestFileType(codec, type) && (c.onlyOggAnswered ? id == kOgg : id != kDv))
                codec->SetSupported(id, true);
        }
        check.SetPrompt(false);
        EXPECT_EQ(check.LoadAndPrompt(), c.listed) << c.name;
        EXPECT_EQ(Listed(check), c.listed ? std::vector<CString>{c.name} : std::vector<CString>{}) << c.name;
        CAudioCodecsInfo::sInfo->RemoveCodec(codec);
        delete codec;
        m_added.pop_back();
    }
}

TEST_F(CompressorTesterTest, EachTestRunsUnderItsMarkAndABlockedOneIsNotRun)
{
    AddCodec("Marked");
    CAudioCompressorTestAdministrator2 admin(true);
    admin.SetPrompt(false);
    ASSERT_TRUE(admin.LoadAndPrompt());
    SCodecTestResult result;
    ASSERT_TRUE(admin.TestCodec(0, result));
    // No test source here: the codec is tested and takes nothing.
    EXPECT_TRUE(result.tested);
    EXPECT_TRUE(result.audioSettings.empty());
    EXPECT_FALSE(UTesterMarks::IsBlocked(m_marks, "Marked"));

    bool markedDuring = false;
    EXPECT_TRUE(UTesterMarks::Guard(m_marks, "Marked", [&] { markedDuring = UTesterMarks::IsBlocked(m_marks, "Marked"); }));
    EXPECT_TRUE(markedDuring);
    // What a crash leaves behind keeps the codec out of every later run.
    Block("Marked", 1);
    bool ran = false;
    EXPECT_FALSE(UTesterMarks::Guard(m_marks, "Marked", [&] { ran = true; }));
    EXPECT_FALSE(ran);
    EXPECT_FALSE(admin.TestCodec(0, result));
}

// The thread tests while pages read the catalogue: the entries change on the UI thread.
TEST_F(CompressorTesterTest, TheTesterThreadHandsItsResultsToTheUserInterfaceThread)
{
    CAudioCodecInfo* codec = AddCodec("Threaded");
    struct CThreadWatch : CListener {
        std::vector<DWORD> threads;
        bool ListenToMessage(long message, const void* p, const void* q) override
        {
            if (message == kNotifyMessage) threads.push_back(GetCurrentThreadId());
            return CListener::ListenToMessage(message, p, q);
        }
    } watch;
    codec->AddListener(&watch);
    const unsigned long delay = CCodecTesterThread::sStartDelayMs;
    CCodecTesterThread::sStartDelayMs = 0;
    {
        CAudioTesterThread thread;
        thread.SetPrompt(false);
        ASSERT_TRUE(thread.Execute(0));
        ASSERT_TRUE(MvPumpUntil([&] { return !thread.IsRunning(); }, 30000));
    }
    CCodecTesterThread::sStartDelayMs = delay;
    EXPECT_TRUE(codec->GetTested());
    ASSERT_FALSE(watch.threads.empty());
    for (DWORD thread : watch.threads) EXPECT_EQ(thread, GetCurrentThreadId());
    codec->RemoveListener(&watch);
}

TEST_F(CompressorTesterTest, TheLoopTestsOneCompressorPerItem)
{
    CAudioCodecInfo* first = AddCodec("Loop First");
    CAudioCodecInfo* second = AddCodec("Loop Second");
    CAudioCompressorTestLoop loop;
    loop.SetFullCheck(true);
    loop.SetPrompt(false);
    struct CLog : CListener {
        std::vector<long> messages;
        bool ListenToMessage(long message, const void* p, const void* q) override
        {
            if (message) messages.push_back(message);
            return CListener::ListenToMessage(message, p, q);
        }
    } log;
    loop.AddListener(&log);
    ASSERT_TRUE(loop.Start());
    EXPECT_STREQ(loop.GetText(), "Loop First");
    ASSERT_TRUE(MvPumpUntil([&] { return !log.messages.empty() && log.messages.back() == CDxLoop2::kLoopDoneMessage; }, 10000));
    EXPECT_EQ(log.messages, (std::vector<long>{CDxLoop2::kLoopItemStartedMessage, CDxLoop2::kLoopItemCompleteMessage,
                                               CDxLoop2::kLoopItemStartedMessage, CDxLoop2::kLoopItemCompleteMessage,
                                               CDxLoop2::kLoopDoneMessage}));
    EXPECT_TRUE(first->GetTested());
    EXPECT_TRUE(second->GetTested());
    EXPECT_STREQ(loop.GetText(), "");
    // Nothing new is left: the next run does not start.
    EXPECT_FALSE(loop.Start());
    loop.RemoveListener(&log);
}

TEST_F(CompressorTesterTest, TheCheckDialogLetsTheUserLeaveCodecsOutAndCancellingSkipsThemAll)
{
    CAudioCodecInfo* kept = AddCodec("Asked Kept");
    CAudioCodecInfo* left = AddCodec("Asked Left Out");
    std::string title, message;
    int rows = 0;
    MvScriptModal([&](HWND dialog) {
        char text[512] = {};
        GetWindowTextA(dialog, text, sizeof text);
        title = text;
        GetDlgItemTextA(dialog, int(CCheckCodecsDialog::kMessageId), text, sizeof text);
        message = text;
        HWND list = GetDlgItem(dialog, int(CCheckCodecsDialog::kListId));
        rows = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        // Unchecks the second row ("Asked Left Out" sorts after "Asked Kept").
        LVITEM item{};
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(1);
        SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&item));
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    CAudioCompressorTestAdministrator2 admin(true);
    ASSERT_TRUE(admin.LoadAndPrompt());
    EXPECT_EQ(title, "Load new audio codecs");
    EXPECT_EQ(message, "The following audio codecs are not tested. The software is ready to load them and check their "
                       "compatibility with different file formats. Some codec may cause the software to crash.You may "
                       "skip unstable codecs.");
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(Listed(admin), std::vector<CString>{"Asked Kept"});
    EXPECT_TRUE(left->GetSkipped());
    EXPECT_FALSE(kept->GetSkipped());

    MvScriptModal([&](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0); });
    CAudioCompressorTestAdministrator2 cancelled(true);
    EXPECT_FALSE(cancelled.LoadAndPrompt());
    EXPECT_EQ(cancelled.GetCodecCount(), 0);
    EXPECT_TRUE(kept->GetSkipped());
    // Skipped ones are not offered again.
    CAudioCompressorTestAdministrator2 again(true);
    EXPECT_FALSE(again.LoadAndPrompt());
}
