#include "CDelayedFunction.h"
#include "CDirectShowWindow.h"
#include "CListener.h"
#include "CSpeechSystem.h"
#include "CTelloraData.h"
#include "CTextToSpeechTask.h"
#include "RecordingSupport.h"
#include "StApplicationId.h"
#include "StDirectShow.h"
#include "UProgressDisplay.h"
#include "win32/TestHome.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

int MarkReached(long flag, long)
{
    *reinterpret_cast<bool*>(flag) = true;
    return 0;
}

class EndLog : public CListener {
public:
    int ends = 0;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kTaskFinishedMessage) {
            ++ends;
            return true;
        }
        return CListener::ListenToMessage(message, p, q);
    }
};

std::string Read(const fs::path& path)
{
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string LongText()
{
    std::string text;
    for (int i = 0; i < 400; ++i) text += "Grüße aus Zürich, die Rede geht noch eine ganze Weile weiter. ";
    return text;
}

// The task as the main panel holds it: over the program's data, with the graph window.
class TextToSpeechTaskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.CreateEx(0, nullptr, "graph", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        task.SetData(&data);
        task.SetDirectShowWindow(&window);
        task.AddListener(&log);
        CAudioInfo2& info = data.GetMediaOutput().GetAudioOutput().GetAudioInfo();
        info.SetSampleRate(22050);
        info.SetChannel(1);
        info.SetBitsPerSample(16);
        MvTakeShownMessageBoxes();
    }
    void TearDown() override
    {
        task.RemoveListener(&log);
        window.DestroyWindow();
        delete system;
    }
    void Output(ESplitterType type, const fs::path& path, const char* codec = "")
    {
        data.GetMediaOutput().SetSplitterType(type);
        data.GetMediaOutput().GetAudioOutput().SetDisplayName(codec);
        data.GetMediaOutput().GetAudioOutput().SetBitrate(128000);
        data.GetFilePath().SetFilePath(path.string().c_str());
    }
    fs::path Temp() const { return std::string(CTextToSpeechTask::MakeTempFile()); }
    fs::path Out(const char* name) const { return fs::path(home.Path()) / name; }
    std::vector<std::string> Boxes()
    {
        std::vector<std::string> texts;
        for (const auto& box : MvTakeShownMessageBoxes()) texts.push_back(box.text);
        return texts;
    }
    bool WaitForEnd() { return MvPumpUntil([&] { return !task.IsRunning(); }, 300000); }
    // Delivers whatever a finished task could still send: its speech thread is over, and a
    // delayed call set now runs only after every one set before it.
    void Settle()
    {
        ASSERT_TRUE(MvPumpUntil([&] { return !task.GetThread().IsRunning(); }, 300000));
        bool reached = false;
        ASSERT_TRUE(CDelayedFunction::Run(MarkReached, reinterpret_cast<long>(&reached), 0));
        ASSERT_TRUE(MvPumpUntil([&] { return reached; }, 30000));
        MvPumpUntilIdle();
    }

    StApplicationId id{98102};
    MvTestHome home;
    StDirectShow com;
    CSpeechSystem* system = new CSpeechSystem;
    RecordingTables tables;
    CDirectShowWindow window;
    CTelloraData data;
    CTextToSpeechTask task;
    EndLog log;
};

} // namespace

TEST_F(TextToSpeechTaskTest, Mp3IsSpokenThenConvertedWithOneEndNoticeAndNoTemporaryFile)
{
    const char* text = "Grüße aus Zürich und Köln: eine kurze Rede über das Wetter von morgen.";
    task.SetText(text);
    Output(500, Out("speech.out.wav"));
    ASSERT_TRUE(task.Start());
    EXPECT_STREQ(task.GetText(), "Encoding audio to speech.out.wav");
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(log.ends, 1);
    EXPECT_FALSE(fs::exists(Temp())) << "a WAV recording never makes the temporary file";
    const double spoken = DecodedSeconds(Out("speech.out.wav"));
    ASSERT_GT(spoken, 1.0);

    Output(350, Out("speech.mp3"), "Lame_enc.dll");
    ASSERT_TRUE(task.Start());
    std::vector<std::pair<std::string, double>> seen;
    ASSERT_TRUE(MvPumpUntil(
        [&] {
            if (!task.IsRunning()) return true;
            seen.emplace_back(task.GetText(), task.GetProgress());
            return false;
        },
        300000));
    EXPECT_EQ(Boxes(), std::vector<std::string>{});
    double last = 0;
    bool converted = false;
    for (const auto& [step, progress] : seen) {
        if (step == "Step 1 of 2: Encoding audio from text") {
            EXPECT_FALSE(converted) << "speaking comes first";
            EXPECT_LE(progress, 0.2);
        } else {
            ASSERT_EQ(step, "Step 2 of 2: Converting audio");
            converted = true;
            EXPECT_GE(progress, 0.2);
            EXPECT_LE(progress, 1.0);
        }
        EXPECT_GE(progress + 1e-9, last) << step;
        last = progress;
    }
    EXPECT_EQ(seen.front().first, "Step 1 of 2: Encoding audio from text");
    EXPECT_TRUE(converted);
    Settle();
    EXPECT_EQ(log.ends, 2) << "one notice per recording";
    EXPECT_FALSE(fs::exists(Temp()));
    EXPECT_EQ(ProbedValue(ProbeMedia(Out("speech.mp3")), "codec_name"), "mp3");
    EXPECT_NEAR(DecodedSeconds(Out("speech.mp3")), spoken, 0.1);
}

TEST_F(TextToSpeechTaskTest, CancellingWhileSpeakingEndsAtOnceAndTheRestEndsQuietly)
{
    task.SetText(LongText().c_str());
    Output(500, Out("whole.wav"));
    ASSERT_TRUE(task.Start());
    ASSERT_TRUE(WaitForEnd());
    const double whole = DecodedSeconds(Out("whole.wav"));
    log.ends = 0;

    Output(350, Out("cut.mp3"), "Lame_enc.dll");
    ASSERT_TRUE(task.Start());
    ASSERT_TRUE(MvPumpUntil([&] { return task.GetThread().GetProgress() > 0; }, 120000));
    // The user's Cancel in the progress window.
    task.GetProgressDialog().PostMessage(WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(MvPumpUntil([&] { return log.ends > 0; }, 10000));
    EXPECT_TRUE(task.IsRunning()) << "what was spoken is still converted";
    ASSERT_TRUE(WaitForEnd());
    Settle();
    EXPECT_EQ(log.ends, 1);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(fs::exists(Temp()));
    EXPECT_FALSE(task.GetProgressDialog().GetSafeHwnd());
    EXPECT_TRUE(fs::exists(Out("cut.mp3"))) << "what was spoken is converted";
    EXPECT_LT(DecodedSeconds(Out("cut.mp3")), whole - 1.0) << "only what was spoken before the cancel";
}

TEST_F(TextToSpeechTaskTest, AnEarlierSpeechFileIsNeverConvertedIntoANewRecording)
{
    fs::create_directories(Temp().parent_path());
    WriteToneWav(Temp(), 22050, 2.0);
    {
        task.SetText("");
        Output(350, Out("stale.mp3"), "Lame_enc.dll");
        ASSERT_TRUE(task.Start());
        ASSERT_TRUE(WaitForEnd());
        EXPECT_EQ(log.ends, 1);
        const auto boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], "There is no text to record.");
        EXPECT_FALSE(fs::exists(Out("stale.mp3")));
        EXPECT_FALSE(fs::exists(Temp()));
    }
    // To WAV an empty text ends at once and writes nothing.
    log.ends = 0;
    task.SetText("");
    Output(500, Out("empty.wav"));
    ASSERT_TRUE(task.Start());
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(log.ends, 1);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(fs::exists(Out("empty.wav")));
}

TEST_F(TextToSpeechTaskTest, AStartThatMayNotWriteItsFileChangesNothing)
{
    fs::create_directories(Out("folder"));
    std::ofstream(Out("taken.mp3")) << "earlier recording";
    struct Case {
        fs::path path;
        int answer;  // to the question whether to replace, 0 when none is asked
        std::vector<std::string> boxes;
    } cases[] = {
        {"", 0, {"Please specify the output file name."}},
        {Out("missing/speech.mp3"), 0,
         {"The folder \"" + Out("missing").string() + "\" does not exist. Please choose another location."}},
        {Out("folder"), 0, {"\"" + Out("folder").string() + "\" is a folder. Please specify the output file name."}},
        {Out("taken.mp3"), IDNO, {Out("taken.mp3").string() + " already exists. Do you want to replace it?"}},
    };
    task.SetText("Nichts davon wird gesprochen.");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        Output(350, c.path, "Lame_enc.dll");
        if (c.answer) MvScriptMessageBoxAnswer(c.answer);
        EXPECT_FALSE(task.Start());
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_FALSE(task.IsRunning());
        EXPECT_FALSE(task.GetProgressDialog().GetSafeHwnd());
    }
    Settle();
    EXPECT_EQ(log.ends, 0);
    EXPECT_EQ(Read(Out("taken.mp3")), "earlier recording");
    EXPECT_FALSE(fs::exists(Out("folder/speech.mp3")));
}

// A full disk as the process sees it: no file may grow beyond a few kilobytes.
class FullDisk {
public:
    FullDisk()
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit full = m_old;
        full.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_old{};
    void (*m_signal)(int) = nullptr;
};

TEST_F(TextToSpeechTaskTest, AFullDiskEndsTheRecordingWithAClearMessage)
{
    task.SetText(LongText().c_str());
    auto writeError = [](const fs::path& path) {
        return "Unable to write the file \"" + path.string() + "\". The disk may be full.";
    };
    // While speaking: into the output itself, or into the temporary file.
    struct Case {
        ESplitterType type;
        const char* codec;
        fs::path output;
        fs::path unwritable;
    } cases[] = {{500, "", Out("full.wav"), Out("full.wav")}, {350, "Lame_enc.dll", Out("full.mp3"), Temp()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        log.ends = 0;
        Output(c.type, c.output, c.codec);
        {
            FullDisk full;
            ASSERT_TRUE(task.Start());
            ASSERT_TRUE(WaitForEnd());
        }
        Settle();
        EXPECT_EQ(log.ends, 1);
        EXPECT_EQ(Boxes(), std::vector<std::string>{writeError(c.unwritable)});
        EXPECT_FALSE(fs::exists(Temp()));
    }

    // While converting: the disk fills once the speech is written.
    log.ends = 0;
    Output(350, Out("late.mp3"), "Lame_enc.dll");
    ASSERT_TRUE(task.Start());
    std::unique_ptr<FullDisk> full;
    ASSERT_TRUE(MvPumpUntil(
        [&] {
            if (!full && std::string(task.GetText()) == "Step 2 of 2: Converting audio")
                full = std::make_unique<FullDisk>();
            return !task.IsRunning();
        },
        300000));
    full.reset();
    Settle();
    EXPECT_EQ(log.ends, 1);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Unable to write the file \"" + Out("late.mp3").string() +
                                                "\". Unknown Error. Task aborted."});
    EXPECT_FALSE(fs::exists(Temp()));
}

TEST_F(TextToSpeechTaskTest, ARunningRecordingRefusesASecondStartAndEndsWithItsTask)
{
    auto owned = std::make_unique<CTextToSpeechTask>();
    EndLog ownedLog;
    owned->AddListener(&ownedLog);
    owned->SetData(&data);
    owned->SetDirectShowWindow(&window);
    owned->SetText(LongText().c_str());
    Output(350, Out("left.mp3"), "Lame_enc.dll");
    ASSERT_TRUE(owned->Start());
    EXPECT_FALSE(owned->Start());
    EXPECT_TRUE(owned->GetThread().IsRunning());
    ASSERT_TRUE(MvPumpUntil([&] { return fs::exists(Temp()); }, 60000));
    owned->RemoveListener(&ownedLog);
    owned.reset();  // the window closing while the thread speaks
    EXPECT_FALSE(fs::exists(Temp()));
    Settle();
    EXPECT_TRUE(Boxes().empty());
}
