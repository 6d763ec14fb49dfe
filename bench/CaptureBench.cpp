// Records from the test camera and microphone at 640x480, 30 frames a second, to MPEG-4
// video with MP3 sound in AVI, with the preview running, through the camera recording
// administrator. The test devices run in real time, so the length is an option:
//   capture_bench [minutes]        (10 by default)
// Prints, after the first minute and at the end, the pictures the camera dropped and
// delivered and the process's peak memory.
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CAudioDevicesInfo.h"
#include "CCamRecordingAdministrator2.h"
#include "CDirectShowWindow.h"
#include "CFileOutputFilters2.h"
#include "CFormatTypes.h"
#include "CListener.h"
#include "CMediaOutput2.h"
#include "CSaveFile2.h"
#include "CVideoCaptureFilter.h"
#include "CVideoCaptureInputFilters2.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CVideoDevicesInfo.h"
#include "StDirectShow.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/capture/CaptureInterfaces.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "win32/TestHome.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

class CEnd : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowAdministrator2::kGraphCompleteMessage) {
            ended = true;
            error = static_cast<const CDirectShowAdministrator2*>(p)->GetErrorText();
        }
        return CListener::ListenToMessage(message, p, q);
    }
    bool ended = false;
    CString error;
};

long PeakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void Report(const char* when, double seconds, IAMDroppedFrames* frames)
{
    LONG dropped = -1, delivered = -1;
    if (frames) {
        frames->GetNumDropped(&dropped);
        frames->GetNumNotDropped(&delivered);
    }
    std::printf("%-10s %8.1f s recorded  %6ld frames dropped  %7ld delivered  peak memory %7.1f MiB\n", when,
                seconds, long(dropped), long(delivered), PeakKb() / 1024.0);
    std::fflush(stdout);
}

CMediaOutput2 Mpeg4Avi()
{
    CMediaOutput2 output;
    output.SetSplitterType(100);
    output.SetWantsVideo(true);
    output.SetWantsAudio(true);
    CVideoOutput2& video = output.GetVideoOutput();
    video.SetDisplayName("MPEG-4 Video");
    video.SetKeepSize(false);
    video.SetKeepFrameRate(false);
    video.GetVideoInfo().SetWidth(640);
    video.GetVideoInfo().SetHeight(480);
    video.GetVideoInfo().SetFrameRate(30);
    video.SetEncoderControl(2);
    video.SetBitrate(1000000);
    CAudioOutput2& audio = output.GetAudioOutput();
    audio.SetDisplayName("Lame_enc.dll");
    audio.GetAudioInfo().SetSampleRate(44100);
    audio.GetAudioInfo().SetChannel(2);
    audio.GetAudioInfo().SetBitsPerSample(16);
    audio.SetEncoderControl(2);
    audio.SetBitrate(128000);
    return output;
}

} // namespace

int main(int argc, char** argv)
{
    const double minutes = argc > 1 ? std::atof(argv[1]) : 10.0;
    if (minutes <= 0) {
        std::fprintf(stderr, "usage: capture_bench [minutes]\n");
        return 2;
    }
    setenv("MORVANE_TEST_DEVICES", "1", 1);
    MvTestHome home;
    StDirectShow com;
    CFormatTypes types;
    CAudioCodecsInfo audioCodecs(true);
    CVideoCodecsInfo videoCodecs(true);
    CAudioCodecInfo* mp3 = CAudioCodecsInfo::sInfo->Add("Lame_enc.dll", "");
    mp3->SetId(CLSID_Mp3AudioEncoder);
    mp3->SetSupported(100, true);
    CVideoCodecInfo* mpeg4 = CVideoCodecsInfo::sInfo->Add("MPEG-4 Video", "");
    mpeg4->SetId(CLSID_Mpeg4VideoEncoder);
    mpeg4->SetSupported(100, true);
    CVideoDevicesInfo videoDevices;
    CAudioDevicesInfo audioDevices;
    videoDevices.AddSystemDevices();
    audioDevices.AddSystemDevices();
    CDirectShowWindow window;
    window.CreateEx(0, nullptr, "preview", WS_POPUP, CRect(0, 0, 640, 480), nullptr, 0);

    const std::filesystem::path file = std::filesystem::path(home.Path()) / "capture.avi";
    CCamRecordingAdministrator2 admin;
    CMediaOutput2 output = Mpeg4Avi();
    admin.SetMediaOutput(output);
    CSaveFile2 save;
    save.SetFilePath(file.string().c_str());
    save.SetFileReplace(kFileReplaceReplace);
    admin.SetSaveFile(save);
    CVideoRecorder2 camera;
    camera.GetVideoSource().SetName("Test Video Capture");
    camera.SetSize(640, 480);
    camera.SetCaptureAudio(true);
    camera.GetAudioSource().SetName("Test Audio Capture");
    admin.SetVideoSource(camera);
    admin.SetVideoWindow(&window);
    CEnd end;
    admin.AddListener(&end);

    const double seconds = minutes * 60;
    if (!admin.Create() || !admin.SetStop(seconds) || !admin.Play()) {
        std::fprintf(stderr, "the recording did not start: %s\n", static_cast<const char*>(admin.GetErrorText()));
        return 1;
    }
    IAMDroppedFrames* frames = nullptr;
    auto* input = static_cast<CVideoCaptureInputFilters2*>(admin.GetInputFilters());
    if (IBaseFilter* camFilter = input->GetVideoCapture()->GetFilter()) QueryInterfaceTo(camFilter, &frames);
    auto* set = static_cast<CFileOutputFilters2*>(admin.GetProcessingOutputFilters());
    std::printf("recording %.1f minutes at 640x480, 30 frames a second, MPEG-4 AVI with preview\n", minutes);
    const auto started = std::chrono::steady_clock::now();
    bool firstMinute = seconds <= 60;
    double written = 0;
    while (!end.ended) {
        MvPumpFor(200);
        set->GetPosition(written);
        if (!firstMinute && written >= 60) {
            firstMinute = true;
            Report("1 minute", written, frames);
        }
    }
    Report("end", written, frames);
    SafeRelease(frames);
    admin.RemoveListener(&end);
    admin.Release();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("wall time %.1f s, file %.1f MiB%s%s\n", wall,
                std::filesystem::exists(file) ? std::filesystem::file_size(file) / 1048576.0 : 0.0,
                end.error.IsEmpty() ? "" : ", error: ", static_cast<const char*>(end.error));
    window.DestroyWindow();
    return end.error.IsEmpty() ? 0 : 1;
}
