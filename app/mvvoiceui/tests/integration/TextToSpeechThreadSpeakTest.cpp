#include "CListener.h"
#include "CSpeechSystem.h"
#include "CTextToSpeechThread2.h"
#include "com/ComRuntime.h"
#include "win32/TestHome.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <string>

namespace {

class EndLog : public CListener {
public:
    int ends = 0;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kWorkerFinishedMessage) {
            ++ends;
            return true;
        }
        return CListener::ListenToMessage(message, p, q);
    }
};

long long FileSize(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

// The voices come from the speech system, which lives on the user-interface thread.
struct SpeechSystem {
    SpeechSystem() { CoInitialize(nullptr); }
    ~SpeechSystem()
    {
        delete system;
        CoUninitialize();
    }
    CSpeechSystem* system = new CSpeechSystem;
};

struct Speaking {
    SpeechSystem speech;
    MvTestHome home;
    CTextToSpeechThread2 thread;
    EndLog log;
    std::string path = home.Path() + "/spoken.wav";

    explicit Speaking(const char* text)
    {
        CAudioInfo2 info;
        info.SetSampleRate(22050);
        info.SetChannel(1);
        info.SetBitsPerSample(16);
        thread.SetAudioInfo(info);
        thread.SetText(text);
        thread.SetFilePath(path.c_str());
        thread.AddListener(&log);
    }
    ~Speaking() { thread.RemoveListener(&log); }
};

}  // namespace

TEST(TextToSpeechThreadSpeakTest, SpeaksNonAsciiTextIntoTheWavFileAndEndsOnce)
{
    Speaking s("Grüße aus Zürich, naïve café.");
    ASSERT_TRUE(s.thread.Execute(0));
    ASSERT_TRUE(MvPumpUntil([&] { return s.log.ends > 0; }, 120000));
    EXPECT_EQ(s.log.ends, 1);
    EXPECT_GT(FileSize(s.path), 44);  // more than a bare header
    EXPECT_LE(s.thread.GetProgress(), 1.0);
}

TEST(TextToSpeechThreadSpeakTest, EmptyTextWritesNothing)
{
    Speaking s("");
    ASSERT_TRUE(s.thread.Execute(0));
    ASSERT_TRUE(MvPumpUntil([&] { return s.log.ends > 0; }, 60000));
    EXPECT_EQ(FileSize(s.path), -1);
}

TEST(TextToSpeechThreadSpeakTest, CancelledLongTextStillEndsOnce)
{
    std::string text;
    for (int i = 0; i < 3000; ++i) text += "Ünïcode words keep the voice busy for a long while. ";
    Speaking s(text.c_str());
    ASSERT_TRUE(s.thread.Execute(0));
    s.thread.Cancel();
    ASSERT_TRUE(MvPumpUntil([&] { return s.log.ends > 0; }, 120000));
    EXPECT_EQ(s.log.ends, 1);
    EXPECT_FALSE(s.thread.IsRunning());
}
