// The codec check on a machine that lacks one output type's multiplexer: the type is
// recorded as not reached by the codec, nobody is asked about it, and the check ends.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CCodecTesterThread.h"
#include "CDirectShowFilter.h"
#include "CFormatType.h"
#include "CFormatTypes.h"
#include "StDirectShow.h"
#include "dshow/AudioEncoderFilter.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

// No filter is registered under this id.
constexpr GUID kAbsentMux = {0x5E1F0C2A, 0x7B31, 0x4C55, {0x9A, 0x0D, 0x61, 0x2E, 0x44, 0xB7, 0x13, 0x9C}};
constexpr ESplitterType kMp3 = 350;
constexpr ESplitterType kWav = 500;

} // namespace

TEST(MissingMultiplexerTest, TheTypeIsRecordedUnsupportedWithoutAskingAndTheCheckEnds)
{
    MvTestHome home;
    StDirectShow com;
    std::unique_ptr<CFormatTypes> types;
    std::unique_ptr<CAudioCodecsInfo> audio;
    if (!CFormatTypes::sFormatTypes) types = std::make_unique<CFormatTypes>();
    if (!CAudioCodecsInfo::sInfo) audio = std::make_unique<CAudioCodecsInfo>(true);
    CFormatType* mp3 = CFormatTypes::sFormatTypes->FindFileType(kMp3);
    ASSERT_TRUE(mp3);
    const GUID realMux = mp3->GetMuxId();
    mp3->SetMuxId(kAbsentMux);

    CAudioCodecInfo* lame = CAudioCodecsInfo::sInfo->Add("Lame_enc.dll", "");
    lame->SetId(CLSID_Mp3AudioEncoder);
    lame->SetVirtual(true);
    lame->Activate(true);

    // Creation failures prompt once the engine is up; a dialog raised anyway is counted and
    // cancelled, so that the check still ends and the test can say so.
    const bool prompt = CDirectShowFilter::sPromptError;
    CDirectShowFilter::sPromptError = true;
    std::atomic<int> raised{0};
    MvSetModalHandler([&](HWND dialog) {
        ++raised;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    const unsigned long delay = CCodecTesterThread::sStartDelayMs;
    CCodecTesterThread::sStartDelayMs = 0;
    bool ended;
    {
        CAudioTesterThread thread;
        thread.SetPrompt(false);
        EXPECT_TRUE(thread.Execute(0));
        ended = MvPumpUntil([&] { return !thread.IsRunning(); }, 120000);
    }
    CCodecTesterThread::sStartDelayMs = delay;
    MvSetModalHandler(nullptr);
    CDirectShowFilter::sPromptError = prompt;
    mp3->SetMuxId(realMux);

    EXPECT_TRUE(ended);
    EXPECT_EQ(raised, 0);
    EXPECT_TRUE(lame->GetTested());
    ASSERT_NE(static_cast<CCodecInfo*>(lame)->Find(kMp3), nullptr) << "no result was recorded for the type";
    EXPECT_FALSE(lame->IsSupported(kMp3));
    // The types after it were tested as before.
    EXPECT_TRUE(lame->IsSupported(kWav));
}
