// The test camera's picture put on a loopback FTP server: by a preview recording whose
// output is an image upload, and by the preview's own image upload beside the video window.
#include "CFileOutputFilters2.h"
#include "CFtpImageHandler.h"
#include "CFtpRenderOutputFilters2.h"
#include "CFtpUploadThread.h"
#include "CMvSingleLock.h"
#include "COstrelRecordingAdministrator2.h"
#include "CTimedAction.h"
#include "CVideoRecorder3d2.h"
#include "../../../../engine/tests/EngineTestDecode.h"
#include "RecordingRoadFixture.h"
#include "dshow/images/ImageIds.h"
#include "integration/LoopbackServers.h"

#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace fs = std::filesystem;

namespace {

class ImageUploadRecordingTest : public CRecordingRoadFixture {
protected:
    void StartServer()
    {
        m_root = m_dir / "ftp";
        fs::create_directories(m_root);
        m_server = std::make_unique<MvLoopbackServer>(MvLoopbackServer::kFtp, m_root.string());
    }
    // The test camera at 320 by 240, 25 a second, without sound.
    void UseCamera(COstrelRecordingAdministrator2& admin)
    {
        m_camera.GetVideoSource().SetName(kVideoDevice);
        m_camera.SetLeftOn(true);
        m_camera.SetSize(320, 240);
        m_camera.SetFrameRate(25);
        admin.SetVideoSource(&m_camera);
        admin.SetVideoWindow(&m_window);
    }
    // A whole picture of the camera on the server.
    static void ExpectCameraPicture(const fs::path& uploaded)
    {
        SDecodedMedia picture;
        ASSERT_TRUE(DecodeMedia(uploaded, 25, picture)) << uploaded;
        EXPECT_EQ(picture.videoCodec, "mjpeg");
        EXPECT_EQ(picture.width, 320);
        EXPECT_EQ(picture.height, 240);
        EXPECT_EQ(picture.frames, 1);
    }

    fs::path m_root;
    std::unique_ptr<MvLoopbackServer> m_server;
    CVideoRecorder3d2 m_camera;
};

// The preview administrator whose video window also uploads still images.
class CUploadingPreviewAdministrator : public COstrelRecordingAdministrator2 {
public:
    explicit CUploadingPreviewAdministrator(int port) : m_port(port) {}
    bool CreateRenderOutputFilters() override
    {
        auto* output = new CFtpRenderOutputFilters2(m_graph);
        output->SetWantsSnapshot(true);
        output->SetVideoFreeScale(true);
        output->SetCapturePreview(true);
        output->SetWantsFtp(true);
        output->SetFtpServer("127.0.0.1");
        output->SetFtpPort(m_port);
        output->SetFtpUserName("user");
        output->SetFtpPassword("pass");
        output->SetFtpPath("live/frame.jpg");
        output->SetFtpImageType(1002);
        output->SetFtpImageQuality(80);
        output->SetFtpUploading(true);
        SetRenderOutputFilters(output);
        return true;
    }

private:
    int m_port;
};

class CWatchedUploadThread : public CFtpUploadThread {
public:
    explicit CWatchedUploadThread(std::atomic<bool>& gone) : m_gone(gone) {}
    ~CWatchedUploadThread() override { m_gone = true; }

private:
    std::atomic<bool>& m_gone;
};

// The status of the one live image handler ("" when there is none).
CString HandlerStatus()
{
    CMvSingleLock lock(CFtpImageHandler::sHandlerSafe, true);
    if (CFtpImageHandler::sHandlers.GetItemCount() != 1) return "";
    return static_cast<CFtpImageHandler*>(CFtpImageHandler::sHandlers.GetAt(0))->GetStatus();
}

} // namespace

TEST_F(ImageUploadRecordingTest, RecordingToWebImagesUploadsTheCamerasPicture)
{
    StartServer();
    if (!m_server->Running()) GTEST_SKIP() << "no loopback FTP server (python3 with pyftpdlib missing?)";
    CVideoCodecInfo* jpg = CVideoCodecsInfo::sInfo->Add("JPG", "");
    jpg->SetId(CLSID_JpgImageEncoder);
    jpg->SetVirtual(true);
    jpg->SetSupported(1800, true);

    CMediaOutput2 output;
    output.SetSplitterType(1800);
    output.SetWantsVideo(true);
    output.SetWantsAudio(false);
    CVideoOutput2& video = output.GetVideoOutput();
    video.SetDisplayName("JPG");
    video.SetKeepSize(false);
    video.SetKeepFrameRate(false);
    video.GetVideoInfo().SetWidth(320);
    video.GetVideoInfo().SetHeight(240);
    video.GetVideoInfo().SetFrameRate(25);
    video.SetEncoderControl(1);
    video.SetQuality(80);
    CFtpInfo2 account;
    account.SetServer("127.0.0.1");
    account.SetPort(ULONG(m_server->Port()));
    account.SetUserName("user");
    account.SetPassword("pass");
    account.SetPath1("webcam/now.jpg");
    CTimedAction interval;
    ASSERT_TRUE(interval.SetInterval(3));
    CSaveFile2 save = SaveTo(m_dir / "unused");
    COstrelRecordingAdministrator2 admin;
    admin.SetMediaOutput(output);
    admin.SetSaveFile(save);
    admin.SetFtpInfo(account);
    admin.SetFtpInterval(interval);
    UseCamera(admin);
    ASSERT_TRUE(admin.Create() && admin.Play()) << admin.GetErrorText();
    // Previewing uploads nothing.
    EXPECT_STREQ(admin.GetProcessingOutputFilters()->GetStatus(), "");

    ASSERT_TRUE(admin.StartRecording()) << admin.GetErrorText();
    auto status = [&] { return CString(admin.GetProcessingOutputFilters()->GetStatus()); };
    ASSERT_TRUE(MvPumpUntil([&] { return status() == "Image uploaded successfully."; }, 60000)) << status();
    ExpectCameraPicture(m_root / "webcam" / "now.jpg");

    ASSERT_TRUE(admin.StopRecording()) << admin.GetErrorText();
    admin.Release();
    EXPECT_FALSE(fs::exists(m_dir / "unused"));
}

TEST_F(ImageUploadRecordingTest, ThePreviewsImageUploadPutsTheCamerasPictureOnTheServer)
{
    StartServer();
    if (!m_server->Running()) GTEST_SKIP() << "no loopback FTP server (python3 with pyftpdlib missing?)";
    CMediaOutput2 output = VideoOutput(100, 320, 240, 25);
    CSaveFile2 save = SaveTo(m_dir / "unused.avi");
    CUploadingPreviewAdministrator admin(m_server->Port());
    admin.SetMediaOutput(output);
    admin.SetSaveFile(save);
    UseCamera(admin);
    ASSERT_TRUE(admin.Create() && admin.Play()) << admin.GetErrorText();

    std::atomic<bool> gone{false};
    auto* thread = new CWatchedUploadThread(gone);
    ASSERT_TRUE(thread->Execute(0));
    EXPECT_TRUE(MvPumpUntil([] { return HandlerStatus() == "Image uploaded successfully."; }, 60000))
        << HandlerStatus();
    thread->Cancel();
    ASSERT_TRUE(MvPumpUntil([&] { return gone.load(); }, 20000));
    admin.Release();
    ExpectCameraPicture(m_root / "live" / "frame.jpg");
    EXPECT_FALSE(fs::exists(m_dir / "unused.avi"));
}
