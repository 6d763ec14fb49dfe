// Batches converted the way a converter program runs them: probed files, one output for all,
// statuses written back, and one message for the files that could not be converted.
#include "../../../conversion/tests/ConversionRoadFixture.h"
#include "CAudioConversionLoop.h"
#include "CFileBatch2.h"
#include "CMediaConversionOutputs.h"
#include "CMediaOutputLoop.h"
#include "CMediaWriter2.h"
#include "LoopWatcher.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageLoop.h"

namespace fs = std::filesystem;

namespace {

class ConversionLoopRoadTest : public CConversionRoadFixture {
protected:
    void SetUp() override
    {
        CConversionRoadFixture::SetUp();
        AddCodec("PCM", CLSID_PcmAudioCompressor, {500});
        MvTakeShownMessageBoxes();

        CMediaOutput2& output = m_batch.GetMediaOutput();
        output.SetSplitterType(500);
        output.SetWantsVideo(false);
        output.GetAudioOutput().SetDisplayName("PCM");
        output.GetAudioOutput().GetAudioInfo().SetSampleRate(22050);
        output.GetAudioOutput().GetAudioInfo().SetChannel(1);
        output.GetAudioOutput().GetAudioInfo().SetBitsPerSample(16);
        m_batch.GetFilePath().SetFilePath((m_dir / "out").string().c_str());
        m_batch.GetFilePath().SetFileReplace(kFileReplaceReplace);
        m_loop.SetVideoWindow(&m_window);
        m_loop.AddListener(&m_watch);
    }
    void TearDown() override
    {
        m_loop.RemoveListener(&m_watch);
        m_loop.Reset();
        CConversionRoadFixture::TearDown();
    }

    // A probed file when it exists; a file that cannot be opened otherwise.
    CMediaFile2* AddFile(const char* name, bool exists, double seconds = 0.5)
    {
        const fs::path path = m_dir / name;
        if (exists) WriteToneWav(path, 22050, seconds);
        auto* file = new CMediaFile2;
        file->GetFilePath().SetFilePath(path.string().c_str());
        if (exists) {
            EXPECT_TRUE(Probe(path, *file)) << path;
        }
        file->GetOutputFile().SetFilePath((fs::path(name).stem().string() + ".wav").c_str());
        m_batch.GetMediaList().AddFile(file);
        return file;
    }
    std::vector<long> Statuses()
    {
        std::vector<long> statuses;
        for (int i = 0; i < m_batch.GetMediaList().GetFileCount(); ++i)
            statuses.push_back(m_batch.GetMediaList().GetFile(i)->GetStatus());
        return statuses;
    }

    CFileBatch2 m_batch;
    CAudioConversionLoop m_loop;
    CLoopWatcher m_watch;
};

TEST_F(ConversionLoopRoadTest, AFileThatCannotBeOpenedFailsAloneAndIsNamedOnce)
{
    AddFile("one.wav", true);
    AddFile("missing.wav", false);
    AddFile("three.wav", true);
    m_loop.SetBatch(&m_batch);
    ASSERT_TRUE(m_loop.Start());
    EXPECT_STREQ("Converting 1 out of 3 files...", m_loop.GetText());
    ASSERT_TRUE(MvPumpUntil([&] { return m_watch.done > 0; }, 60000));
    EXPECT_EQ((std::vector<long>{2, 4, 2}), Statuses());
    const auto boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("The following files are not converted:\n" + (m_dir / "missing.wav").string() +
                  "\n\nPlease make sure\n1. The input files exist;\n2. The output directory path is a valid complete "
                  "path with drive letter; and\n3. Your codec settings are valid.\n",
              boxes[0].text);
    EXPECT_TRUE(fs::exists(m_dir / "out" / "one.wav"));
    EXPECT_TRUE(fs::exists(m_dir / "out" / "three.wav"));
    EXPECT_NEAR(std::atof(ProbedValue(ProbeMedia(m_dir / "out" / "three.wav"), "duration").c_str()), 0.5, 0.05);
}

TEST_F(ConversionLoopRoadTest, CancellingMarksTheRestSkippedAndSaysNothing)
{
    // Long enough that the second is still converting when the test stops pumping.
    for (const char* name : {"a.wav", "b.wav", "c.wav", "d.wav"}) AddFile(name, true, 20);
    m_loop.SetBatch(&m_batch);
    ASSERT_TRUE(m_loop.Start());
    ASSERT_TRUE(MvPumpUntil([&] { return m_watch.started >= 2; }, 60000));
    m_loop.Cancel();
    EXPECT_EQ((std::vector<long>{2, 3, 3, 3}), Statuses());
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
}

TEST_F(ConversionLoopRoadTest, OutputsGoBesideTheirInputsWhenTheFolderSaysSo)
{
    AddFile("beside.wav", true)->GetOutputFile().SetFilePath("beside-out.wav");
    m_batch.GetFilePath().SetSameDirectory(true);
    m_loop.SetBatch(&m_batch);
    ASSERT_TRUE(m_loop.Start());
    EXPECT_EQ(CString((m_dir / "beside-out.wav").string().c_str()), m_loop.GetSaveFile().GetFilePath());
    ASSERT_TRUE(MvPumpUntil([&] { return m_watch.done > 0; }, 60000));
    EXPECT_TRUE(fs::exists(m_dir / "beside-out.wav"));
}

TEST_F(ConversionLoopRoadTest, AnOutputThatCannotBeWrittenIsTheOnlyOneNamed)
{
    CMediaFile2* probed = AddFile("source.wav", true);
    CMediaConversionOutputs conversion;
    conversion.GetInput() = *probed;
    // A file stands where the second output's folder should be.
    const fs::path targets[] = {m_dir / "out" / "first.wav", m_dir / "source.wav" / "second.wav",
                                m_dir / "out" / "third.wav"};
    for (const fs::path& target : targets) {
        auto* writer = new CMediaWriter2;
        writer->GetMediaOutput() = m_batch.GetMediaOutput();
        writer->GetFilePath().SetFilePath(target.string().c_str());
        writer->GetFilePath().SetFileReplace(kFileReplaceReplace);
        conversion.GetOutputs().Add(writer);
    }
    CMediaOutputLoop loop;
    loop.SetVideoWindow(&m_window);
    loop.AddListener(&m_watch);
    loop.SetConversion(&conversion);
    ASSERT_TRUE(loop.Start());
    ASSERT_TRUE(MvPumpUntil([&] { return m_watch.done > 0; }, 60000));
    loop.RemoveListener(&m_watch);
    const auto boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("The following files are not converted:\nsecond.wav\n\n", boxes[0].text);
    EXPECT_TRUE(fs::exists(targets[0]));
    EXPECT_TRUE(fs::exists(targets[2]));
}

} // namespace
