// A preview recording of the test camera whose output is an image upload: switched to
// recording it puts a JPEG of the camera's picture on a loopback FTP server at intervals.
#include "CFileOutputFilters2.h"
#include "COstrelRecordingAdministrator2.h"
#include "CTimedAction.h"
#include "CVideoRecorder3d2.h"
#include "../../../../engine/tests/EngineTestDecode.h"
#include "RecordingRoadFixture.h"
#include "dshow/images/ImageIds.h"
#include "integration/LoopbackServers.h"

#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class ImageUploadRecordingTest : public CRecordingRoadFixture {};

} // namespace

TEST_F(ImageUploadRecordingTest, RecordingToWebImagesUploadsTheCamerasPicture)
{
    const fs::path root = m_dir / "ftp";
    fs::create_directories(root);
    MvLoopbackServer server(MvLoopbackServer::kFtp, root.string());
    if (!server.Running()) GTEST_SKIP() << "no loopback FTP server (python3 with pyftpdlib missing?)";
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
    account.SetPort(ULONG(server.Port()));
    account.SetUserName("user");
    account.SetPassword("pass");
    account.SetPath1("webcam/now.jpg");
    CTimedAction interval;
    ASSERT_TRUE(interval.SetInterval(3));
    CSaveFile2 save = SaveTo(m_dir / "unused");
    CVideoRecorder3d2 camera;
    camera.GetVideoSource().SetName(kVideoDevice);
    camera.SetLeftOn(true);
    camera.SetSize(320, 240);
    camera.SetFrameRate(25);

    COstrelRecordingAdministrator2 admin;
    admin.SetMediaOutput(output);
    admin.SetSaveFile(save);
    admin.SetFtpInfo(account);
    admin.SetFtpInterval(interval);
    admin.SetVideoSource(&camera);
    admin.SetVideoWindow(&m_window);
    ASSERT_TRUE(admin.Create() && admin.Play()) << admin.GetErrorText();
    // Previewing uploads nothing.
    EXPECT_STREQ(admin.GetProcessingOutputFilters()->GetStatus(), "");

    ASSERT_TRUE(admin.StartRecording()) << admin.GetErrorText();
    auto status = [&] { return CString(admin.GetProcessingOutputFilters()->GetStatus()); };
    ASSERT_TRUE(MvPumpUntil([&] { return status() == "Image uploaded successfully."; }, 60000)) << status();
    const fs::path uploaded = root / "webcam" / "now.jpg";
    SDecodedMedia picture;
    ASSERT_TRUE(DecodeMedia(uploaded, 25, picture));
    EXPECT_EQ(picture.videoCodec, "mjpeg");
    EXPECT_EQ(picture.width, 320);
    EXPECT_EQ(picture.height, 240);
    EXPECT_EQ(picture.frames, 1);

    ASSERT_TRUE(admin.StopRecording()) << admin.GetErrorText();
    admin.Release();
    EXPECT_FALSE(fs::exists(m_dir / "unused"));
}
