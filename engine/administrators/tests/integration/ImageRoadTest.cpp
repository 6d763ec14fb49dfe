// A made clip converted through the engine's administrators to an animated GIF, to FLC, to
// a series of JPG, BMP and GIF images, and to images uploaded to a loopback FTP server;
// each result is opened and decoded with FFmpeg.
#include "CFileOutputFilters2.h"
#include "ConversionRoad.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "EngineTestDecode.h"
#include "StQuickTime.h"
#include "dshow/images/ImageIds.h"
#include "integration/LoopbackServers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace {

constexpr int kWidth = 320, kHeight = 240, kRate = 25;
constexpr double kSeconds = 2.0;

class ImageRoadTest : public CConversionRoad {
protected:
    void SetUp() override
    {
        CConversionRoad::SetUp();
        if (!CVideoCodecsInfo::sInfo) m_videoCodecs = std::make_unique<CVideoCodecsInfo>(true);
        AddImageCodec("JPG", CLSID_JpgImageEncoder, {1700, 1800});
        AddImageCodec("BMP", CLSID_BmpImageEncoder, {1700});
        AddImageCodec("GIF", CLSID_GifImageEncoder, {1700, 1800, 1600});
    }

    static void AddImageCodec(const char* name, const GUID& id, std::initializer_list<ESplitterType> types)
    {
        CVideoCodecInfo* codec = CVideoCodecsInfo::sInfo->Add(name, "");
        codec->SetId(id);
        codec->SetVirtual(true);
        for (ESplitterType type : types) codec->SetSupported(type, true);
    }

    // The picture file decoded: its codec and size, and its pictures' count.
    static SDecodedMedia ExpectPictures(const fs::path& path, const char* codec, int frames)
    {
        SDecodedMedia media;
        EXPECT_TRUE(DecodeMedia(path, kRate, media)) << path;
        EXPECT_EQ(media.videoCodec, codec) << path;
        EXPECT_EQ(media.width, kWidth) << path;
        EXPECT_EQ(media.height, kHeight) << path;
        EXPECT_EQ(media.frames, frames) << path;
        return media;
    }

    std::unique_ptr<CVideoCodecsInfo> m_videoCodecs;
};

// The conversion administrator with further settings of the output set.
class CSetUpConversionAdministrator : public CConversionAdministrator {
public:
    CSetUpConversionAdministrator(const SProbedFile& file, const SOutput& output,
                                  std::function<void(CFileOutputFilters2&)> setUp)
        : CConversionAdministrator(file, output, CMediaTags()), m_setUp(std::move(setUp))
    {
    }
    bool CreateProcessingOutputFilters() override
    {
        if (!CConversionAdministrator::CreateProcessingOutputFilters()) return false;
        m_setUp(*static_cast<CFileOutputFilters2*>(m_processingOutput));
        return true;
    }
    CString GetStatus() const
    {
        auto* set = static_cast<CFileOutputFilters2*>(m_processingOutput);
        return set ? set->GetStatus() : CString();
    }
    // Creates and plays the job to its end; whether it ended without an abort.
    bool RunToTheEnd(CDirectShowWindow& window)
    {
        SetVideoWindow(&window);
        CEndCounter counter;
        AddListener(&counter);
        const bool created = Create() && Play();
        EXPECT_TRUE(created) << GetErrorText();
        const bool ended = created && MvPumpUntil([&] { return counter.completions > 0; }, 60000);
        RemoveListener(&counter);
        return ended && counter.aborts == 0;
    }

private:
    std::function<void(CFileOutputFilters2&)> m_setUp;
};

bool FileHolds(const fs::path& path, const std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes.find(text) != std::string::npos;
}

} // namespace

TEST_F(ImageRoadTest, AMadeClipBecomesAnAnimatedGifAndAnFlcOfAllItsPictures)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeClip(file));
    StQuickTime quickTime; // the FLC writer is one of its export writers
    ASSERT_TRUE(quickTime.IsStarted());
    const struct {
        ESplitterType type;
        const char* name;
        const char* videoCodec;
        const char* expected;
    } outputs[] = {
        {1600, "clip.gif", "GIF", "gif"},
        {620, "clip.flc", "", "flic"},
    };
    for (const auto& o : outputs) {
        SOutput output;
        output.type = o.type;
        output.videoCodec = o.videoCodec;
        output.path = m_dir / "out" / o.name;
        ASSERT_TRUE(RunsToTheEnd(file, output)) << o.name;
        const SDecodedMedia media = ExpectPictures(output.path, o.expected, int(kSeconds * kRate));
        EXPECT_NEAR(media.duration, kSeconds, 1.0 / kRate + 1e-6) << o.name;
    }
    // Played once, the GIF has no looping block; told to loop, it has one.
    EXPECT_FALSE(FileHolds(m_dir / "out" / "clip.gif", "NETSCAPE2.0"));
    SOutput looping;
    looping.type = 1600;
    looping.videoCodec = "GIF";
    looping.path = m_dir / "out" / "looping.gif";
    CSetUpConversionAdministrator admin(file, looping, [](CFileOutputFilters2& set) { set.SetLoop(true); });
    ASSERT_TRUE(admin.RunToTheEnd(m_window));
    admin.Release();
    EXPECT_TRUE(FileHolds(looping.path, "NETSCAPE2.0"));
    ExpectPictures(looping.path, "gif", int(kSeconds * kRate));
}

TEST_F(ImageRoadTest, AMadeClipBecomesAFolderOfNumberedImagesOfEachFormat)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeClip(file));
    const struct {
        const char* codec;
        const char* extension;
        const char* expected;
    } formats[] = {{"JPG", "jpg", "mjpeg"}, {"BMP", "bmp", "bmp"}, {"GIF", "gif", "gif"}};
    for (const auto& f : formats) {
        SOutput output;
        output.type = 1700;
        output.videoCodec = f.codec;
        output.path = m_dir / "out" / (std::string(f.codec) + ".Images");
        ASSERT_TRUE(RunsToTheEnd(file, output)) << f.codec;
        int count = 0;
        for (const auto& entry : fs::directory_iterator(output.path)) {
            EXPECT_EQ(entry.path().extension().string(), std::string(".") + f.extension) << entry.path();
            ++count;
        }
        EXPECT_EQ(count, int(kSeconds * kRate)) << f.codec;
        // Every image stands alone, the last as the first.
        for (const char* name : {"00001", "00025", "00050"})
            ExpectPictures(output.path / (std::string(name) + "." + f.extension), f.expected, 1);
    }
}

TEST_F(ImageRoadTest, AConversionToWebImagesUploadsThemToTheServer)
{
    const fs::path root = m_dir / "ftp";
    fs::create_directories(root);
    MvLoopbackServer server(MvLoopbackServer::kFtp, root.string());
    if (!server.Running()) GTEST_SKIP() << "no loopback FTP server (python3 with pyftpdlib missing?)";
    SProbedFile file;
    ASSERT_TRUE(ProbeClip(file));
    SOutput output;
    output.type = 1800;
    output.videoCodec = "JPG";
    output.path = m_dir / "out" / "unused";
    const int port = server.Port();
    CSetUpConversionAdministrator admin(file, output, [port](CFileOutputFilters2& set) {
        set.SetFtpServer("127.0.0.1");
        set.SetFtpPort(static_cast<unsigned long>(port));
        set.SetFtpUserName("user");
        set.SetFtpPassword("pass");
        set.SetFtpPath("camera/latest.jpg");
        set.SetFtpInteral(1);
    });
    ASSERT_TRUE(admin.RunToTheEnd(m_window));
    EXPECT_STREQ(admin.GetStatus(), "Image uploaded successfully.");
    admin.Release();
    // The remote folder was made; nothing was written locally.
    const fs::path uploaded = root / "camera" / "latest.jpg";
    ASSERT_TRUE(fs::exists(uploaded));
    ExpectPictures(uploaded, "mjpeg", 1);
    EXPECT_FALSE(fs::exists(output.path));
}
