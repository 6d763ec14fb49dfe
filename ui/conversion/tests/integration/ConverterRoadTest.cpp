// The converter programs' road, driven as a user drives it: files dropped on the conversion
// list, an output chosen for each, a tag edited in the tag editor, the batch converted (and
// a second one cancelled), the results checked with the ffmpeg tools and played.
#include "CAudioPlaybackLoop.h"
#include "CConversionBatch.h"
#include "CConversionLoop.h"
#include "CFailedFilesDialog.h"
#include "CFileBatch2.h"
#include "CMediaConversionData.h"
#include "CMediaConversionFileNameMonitor.h"
#include "CMediaConversionListControl.h"
#include "CMediaFileVerifier.h"
#include "CTagEditorDialog.h"
#include "CTagPanel.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "ConversionRoadFixture.h"
#include "ListsTestSupport.h"
#include "LoopWatcher.h"
#include "OutputPageSupport.h"
#include "TagTestSupport.h"
#include "dshow/encoders/VideoEncoderIds.h"

#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/Shell.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

constexpr int kStatusColumn = 6;

// Every status an item's input went through, in order.
class CStatusWatcher : public CListener {
public:
    bool Respond(long code, CBroadcaster* sender, long a, long b) override
    {
        if (code != CMediaInfo2::kStatusChangedNotice) return CListener::Respond(code, sender, a, b);
        auto* file = dynamic_cast<CMediaFile2*>(sender);
        if (file) walked[std::string(file->GetFilePath().GetFileNameOnly())].push_back(file->GetStatus());
        return true;
    }
    std::map<std::string, std::vector<long>> walked;
};

// The files a playback loop started, and those it played to their end without an error.
class CPlayedFiles : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDxLoop2::kLoopItemStartedMessage) Note(started, p);
        if (message == CDxLoop2::kLoopItemCompleteMessage) Note(completed, p);
        return CListener::ListenToMessage(message, p, q);
    }
    Texts started;
    Texts completed;

private:
    static void Note(Texts& names, const void* loop)
    {
        CMediaFile2* file = static_cast<const CMediaPlaybackLoop*>(loop)->GetCurrentFile();
        names.emplace_back(file ? std::string(file->GetFilePath().GetFileNameOnly()) : "");
    }
};

class ConverterRoadTest : public CConversionRoadFixture {
protected:
    void SetUp() override
    {
        CConversionRoadFixture::SetUp();
        if (!CVideoCodecsInfo::sInfo) m_videoCodecs = std::make_unique<CVideoCodecsInfo>(true);
        CVideoCodecInfo* mpeg4 = CVideoCodecsInfo::sInfo->Add("MPEG-4 Video", "");
        mpeg4->SetId(CLSID_Mpeg4VideoEncoder);
        mpeg4->SetSupported(100, true);
        MvTakeShownMessageBoxes();
        m_list.control.SetObject(&m_batch.GetConversionList());
        m_batch.GetFilePath().SetFilePath((m_dir / "out").string().c_str());
        m_batch.GetFilePath().SetFileReplace(kFileReplaceReplace);
        m_loop.SetVideoWindow(&m_window);
        m_loop.AddListener(&m_watch);
    }
    void TearDown() override
    {
        m_loop.RemoveListener(&m_watch);
        m_loop.Reset();
        m_list.control.SetObject(nullptr);
        CConversionRoadFixture::TearDown();
    }

    // Drops the paths on the list and waits until the verifier has made the rows and refused
    // the files expected; the failed files dialog, when refusals are expected, is answered with
    // OK after its rows and their reasons are read.
    void Drop(const std::vector<fs::path>& paths, int rows, size_t refusals = 0)
    {
        std::vector<std::string> texts;
        for (const fs::path& path : paths) texts.push_back(path.string());
        if (refusals > 0) MvScriptModal([this](HWND dialog) {
            CtlListView* rows = CtlModelAs<CtlListView>(::GetDlgItem(dialog, CFailedFilesDialog::kList));
            ReportView view(rows->Window());
            for (int row = 0; row < view.Rows(); ++row) {
                view.Click(row);
                char reason[512] = {};
                ::GetWindowTextA(::GetDlgItem(dialog, CFailedFilesDialog::kDescription), reason, sizeof reason);
                m_refused[view.Text(row, 0)] = reason;
            }
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        ASSERT_TRUE(MvDropFiles(m_list.control.GetSafeHwnd(), texts, POINT{40, 40}));
        CMediaFileVerifier& verifier = m_list.control.GetVerifier();
        ASSERT_TRUE(MvPumpUntil(
            [&] {
                return m_list.View().Rows() == rows && m_refused.size() == refusals &&
                       !verifier.GetWorker().IsRunning() && !verifier.GetProgressDialog().GetSafeHwnd();
            },
            60000))
            << m_list.View().Rows() << " rows, " << m_refused.size() << " refused";
        MvPumpUntilIdle();
    }

    CMediaConversionData* Job(const char* name)
    {
        CConversionList& list = m_batch.GetConversionList();
        for (int i = 0; i < list.GetFileCount(); ++i)
            if (CString(list.GetFile(i)->GetInput().GetFilePath().GetFileNameOnly()) == name) return list.GetFile(i);
        ADD_FAILURE() << "no job for " << name;
        return nullptr;
    }

    // The output the user settles on, and the output file named after it as the monitor names it.
    void Choose(CMediaConversionData* job, const CMediaOutput2& output)
    {
        job->GetMediaOutput() = output;
        CMediaConversionFileNameMonitor names;
        names.SetInput(&job->GetInput());
        names.SetOutput(&job->GetMediaOutput());
        names.Update();
        names.SetOutput(nullptr);
        names.SetInput(nullptr);
    }
    static CMediaOutput2 SmallMpeg4Avi()
    {
        CMediaOutput2 output = AudioOutput(100, "Lame_enc.dll", 128000);
        output.SetWantsVideo(true);
        CVideoOutput2& video = output.GetVideoOutput();
        video.SetDisplayName("MPEG-4 Video");
        video.SetKeepSize(false);
        video.GetVideoInfo().SetWidth(160);
        video.GetVideoInfo().SetHeight(120);
        video.GetVideoInfo().SetFrameRate(25);
        return output;
    }

    // "New..." in the tag editor, a tag chosen and typed in the tag dialog, OK in both; the
    // caller's tags take the result on OK, as the file pages do.
    static void AddTagInEditor(CMediaTags& tags, const char* friendly, const char* value)
    {
        CTagEditorDialog editor(nullptr);
        editor.SetTags(tags);
        MvScriptModal([&](HWND dialog) {
            MvScriptModal([&](HWND tagDialog) {
                PageView page(PageHolding(tagDialog, CTagPanel::kName));
                page.Pick(CTagPanel::kName, friendly);
                page.TypeAndCommit(CTagPanel::kValue, value);
                ::SendMessageA(tagDialog, WM_COMMAND, IDOK, 0);
            });
            PageView(dialog).Click(CTagEditorDialog::kNew);
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        if (editor.DoModal() == IDOK) tags = editor.GetTags();
    }

    Texts Statuses() { return m_list.View().Column(kStatusColumn); }

    void RunBatch()
    {
        m_loop.SetBatch(&m_batch);
        ASSERT_TRUE(m_loop.Start());
        ASSERT_TRUE(MvPumpUntil([&] { return m_watch.done > 0; }, 120000));
        MvPumpUntilIdle();
    }

    std::unique_ptr<CVideoCodecsInfo> m_videoCodecs;
    ScopedTagMaps m_maps;
    CConversionBatch m_batch;
    ListHost<CMediaConversionListControl> m_list{true, true, false};
    CConversionLoop m_loop;
    CLoopWatcher m_watch;
    std::map<std::string, std::string> m_refused;
};

TEST_F(ConverterRoadTest, DroppedFilesAreConvertedToTheirOutputsWithTheirTags)
{
    WriteToneWav(m_dir / "speech.wav", 22050, 1.0);
    WriteToneWav(m_dir / "music.wav", 44100, 1.5, 2);
    const fs::path clip = m_dir / "clip.avi";
    const std::string make = "ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=2 -f lavfi -i "
                             "sine=frequency=440:sample_rate=22050:duration=2 -c:v mjpeg -c:a pcm_s16le '" +
                             clip.string() + "'";
    ASSERT_EQ(std::system(make.c_str()), 0);
    // Sound at first, damaged on disk before its turn comes.
    WriteToneWav(m_dir / "damaged.wav", 22050, 1.0);
    // Gone from the disk before its turn comes.
    WriteToneWav(m_dir / "gone.wav", 22050, 1.0);
    // Damaged from the start: refused when dropped.
    std::ofstream(m_dir / "broken.mp3") << std::string(4096, '\x5a');

    Drop({m_dir / "speech.wav", m_dir / "music.wav", clip, m_dir / "damaged.wav", m_dir / "gone.wav",
          m_dir / "broken.mp3"},
         5, 1);
    ASSERT_EQ(1u, m_refused.size());
    EXPECT_EQ("broken.mp3 does not contain recognizable video or audio.", m_refused["broken.mp3"]);
    ASSERT_EQ(5, m_list.View().Rows());
    EXPECT_EQ((Texts{"speech.wav", "music.wav", "clip.avi", "damaged.wav", "gone.wav"}), m_list.View().Column(0));
    EXPECT_EQ((Texts{"Ready", "Ready", "Ready", "Ready", "Ready"}), Statuses());

    for (const char* name : {"speech.wav", "music.wav", "damaged.wav", "gone.wav"})
        Choose(Job(name), AudioOutput(350, "Lame_enc.dll", 128000));
    Choose(Job("clip.avi"), SmallMpeg4Avi());
    EXPECT_EQ((Texts{"speech.mp3", "music.mp3", "clip.avi", "damaged.mp3", "gone.mp3"}), m_list.View().Column(4));
    AddTagInEditor(Job("speech.wav")->GetInput().GetTags(), "Title", "Road Speech");
    AddTagInEditor(Job("clip.avi")->GetInput().GetTags(), "Title", "Road Clip");
    ASSERT_NE(nullptr, Job("speech.wav")->GetInput().GetTags().FindValue("TT2"));

    std::ofstream(m_dir / "damaged.wav", std::ios::trunc) << "RIFF but no more";
    fs::remove(m_dir / "gone.wav");
    CStatusWatcher statuses;
    for (const char* name : {"speech.wav", "music.wav", "clip.avi", "damaged.wav"})
        Job(name)->GetInput().AddListener(&statuses);
    RunBatch();
    for (const char* name : {"speech.wav", "music.wav", "clip.avi", "damaged.wav"})
        Job(name)->GetInput().RemoveListener(&statuses);

    EXPECT_EQ((Texts{"Converted", "Converted", "Converted", "Error", "Error"}), Statuses());
    for (const char* name : {"speech.wav", "music.wav", "clip.avi"})
        EXPECT_EQ((std::vector<long>{1, 2}), statuses.walked[name]) << name << ": converting, then done";
    EXPECT_EQ((std::vector<long>{1, 4}), statuses.walked["damaged.wav"]);
    const auto boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(0u, boxes[0].text.find("The following files are not converted:\n" + (m_dir / "damaged.wav").string() +
                                     "\n" + (m_dir / "gone.wav").string() + "\n\n"))
        << boxes[0].text;

    const fs::path out = m_dir / "out";
    const struct {
        const char* file;
        const char* title;
        double seconds;
        long samples; // decoded per channel, at 44.1 kHz
    } sounds[] = {{"speech.mp3", "Road Speech", 1.0, 44100}, {"music.mp3", "", 1.5, 66150}};
    for (const auto& s : sounds) {
        const auto probed = ProbeMedia(out / s.file);
        EXPECT_EQ("mp3", ProbedValue(probed, "codec_name")) << s.file;
        EXPECT_EQ("44100", ProbedValue(probed, "sample_rate")) << s.file;
        EXPECT_EQ("2", ProbedValue(probed, "channels")) << s.file;
        EXPECT_NEAR(s.seconds, std::atof(ProbedValue(probed, "duration").c_str()), 0.05) << s.file;
        EXPECT_EQ(s.title, ProbedValue(probed, "title")) << s.file;
        EXPECT_NEAR(double(s.samples), double(DecodedSamples(out / s.file)), 1152) << s.file;
    }
    const auto picture = ProbeMedia(out / "clip.avi", "v");
    EXPECT_EQ("mpeg4", ProbedValue(picture, "codec_name"));
    EXPECT_EQ("160", ProbedValue(picture, "width"));
    EXPECT_EQ("120", ProbedValue(picture, "height"));
    EXPECT_EQ("25/1", ProbedValue(picture, "avg_frame_rate"));
    EXPECT_NEAR(2.0, std::atof(ProbedValue(picture, "duration").c_str()), 0.1);
    EXPECT_EQ("Road Clip", ProbedValue(picture, "title"));
    EXPECT_EQ("mp3", ProbedValue(ProbeMedia(out / "clip.avi", "a"), "codec_name"));
    EXPECT_FALSE(fs::exists(out / "damaged.mp3"));
    EXPECT_FALSE(fs::exists(out / "gone.mp3"));

    // The results, probed as the application probes them, play one after another to the null
    // audio device; playback goes round the list until stopped.
    setenv("MORVANE_AUDIO", "null", 1);
    CFileBatch2 played;
    for (const char* name : {"speech.mp3", "music.mp3", "clip.avi"}) {
        auto* file = new CMediaFile2;
        ASSERT_TRUE(Probe(out / name, *file)) << name;
        played.GetMediaList().AddFile(file);
    }
    CAudioPlaybackLoop player;
    CLoopWatcher watch;
    CPlayedFiles files;
    player.SetVideoWindow(&m_window);
    player.AddListener(&watch);
    player.AddListener(&files);
    player.SetBatch(&played);
    ASSERT_TRUE(player.Start()) << player.GetAdministrator()->GetErrorText();
    EXPECT_TRUE(MvPumpUntil([&] { return files.completed.size() >= 3 || watch.done > 0; }, 120000))
        << files.completed.size() << " played to the end";
    EXPECT_EQ((Texts{"speech.mp3", "music.mp3", "clip.avi"}), files.completed);
    ASSERT_GE(files.started.size(), 3u);
    EXPECT_EQ((Texts{"speech.mp3", "music.mp3", "clip.avi"}), Texts(files.started.begin(), files.started.begin() + 3));
    EXPECT_EQ(0, watch.done) << "playback goes round until stopped";
    player.Cancel();
    EXPECT_EQ(1, watch.done);
    player.RemoveListener(&files);
    player.RemoveListener(&watch);
}

TEST_F(ConverterRoadTest, ADroppedFolderWithALinkBackToItselfAddsEachFileOnce)
{
    const fs::path album = m_dir / "album";
    fs::create_directories(album / "disc");
    WriteToneWav(album / "one.wav", 22050, 0.5);
    WriteToneWav(album / "disc" / "two.wav", 22050, 0.5);
    fs::create_directory_symlink(album, album / "disc" / "again");
    fs::create_directory_symlink(album / "disc", album / "disc" / "here");
    Drop({album}, 2);
    Texts names = m_list.View().Column(0);
    std::sort(names.begin(), names.end());
    EXPECT_EQ((Texts{"one.wav", "two.wav"}), names);
    EXPECT_EQ((Texts{"Ready", "Ready"}), Statuses());
}

TEST_F(ConverterRoadTest, ADropNamingAHundredThousandMissingFilesNamesEveryOneAsRefused)
{
    constexpr int kCount = 100000;
    std::vector<std::string> paths;
    for (int i = 0; i < kCount; ++i) paths.push_back((m_dir / ("missing" + std::to_string(i) + ".wav")).string());
    int refused = -1;
    std::set<std::string> names;
    MvScriptModal([&](HWND dialog) {
        ReportView rows(::GetDlgItem(dialog, CFailedFilesDialog::kList));
        refused = rows.Rows();
        for (const std::string& name : rows.Column(0)) names.insert(name);
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(MvDropFiles(m_list.control.GetSafeHwnd(), paths, POINT{40, 40}));
    ASSERT_TRUE(MvPumpUntil([&] { return refused >= 0; }, 600000));
    EXPECT_EQ(kCount, refused);
    EXPECT_EQ(size_t(kCount), names.size()) << "each one named once";
    EXPECT_EQ(1u, names.count("missing0.wav"));
    EXPECT_EQ(1u, names.count("missing99999.wav"));
    EXPECT_EQ(0, m_list.View().Rows());
    EXPECT_TRUE(MvPumpUntil([&] { return !m_list.control.GetVerifier().GetWorker().IsRunning(); }, 60000));
}

TEST_F(ConverterRoadTest, CancellingASecondBatchStopsAtOnceAndMarksTheRestCanceled)
{
    // b.wav is long: cancelled while it converts, its conversion cannot have run to its end.
    for (const char* name : {"a.wav", "c.wav", "d.wav"}) WriteToneWav(m_dir / name, 44100, 20, 2);
    WriteToneWav(m_dir / "b.wav", 44100, 300, 2);
    Drop({m_dir / "a.wav", m_dir / "b.wav", m_dir / "c.wav", m_dir / "d.wav"}, 4);
    ASSERT_EQ(4, m_list.View().Rows());
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"})
        Choose(Job(name), AudioOutput(350, "Lame_enc.dll", 128000));
    // A first batch of the same jobs ran before: the second starts them all afresh.
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"}) Job(name)->GetInput().SetStatus(2);
    m_loop.SetBatch(&m_batch);
    ASSERT_TRUE(m_loop.Start());
    EXPECT_EQ((Texts{"Converting", "Ready", "Ready", "Ready"}), Statuses());
    ASSERT_TRUE(MvPumpUntil([&] { return m_watch.started >= 2; }, 120000));
    m_loop.Cancel();
    MvPumpUntilIdle();
    EXPECT_EQ((Texts{"Converted", "Canceled", "Canceled", "Canceled"}), Statuses());
    EXPECT_GE(m_watch.done, 1);
    EXPECT_EQ(1, m_watch.completed) << "only a.wav was converted to its end";
    // The cancel stopped b.wav's conversion where it was instead of letting it finish.
    const fs::path cut = m_dir / "out" / "b.mp3";
    if (fs::exists(cut)) {
        EXPECT_LT(std::atof(ProbedValue(ProbeMedia(cut), "duration").c_str()), 290.0);
    }
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty()) << "a cancel names no file";
    EXPECT_TRUE(fs::exists(m_dir / "out" / "a.mp3"));
}

} // namespace
