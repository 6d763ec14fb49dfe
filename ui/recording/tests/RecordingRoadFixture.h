#pragma once
// What a recording test stands on: the test capture devices listed in the device catalogues,
// its own home, a video window for the preview, the format table, and the MPEG-4 video and
// MP3 encoders in the codec catalogues; an output record for a video recording; and the
// ends an administrator announced, with its error text at each.
#include "../../../engine/tests/EngineTestMedia.h"
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CAudioDevicesInfo.h"
#include "CDirectShowAdministrator2.h"
#include "CDirectShowWindow.h"
#include "CFormatTypes.h"
#include "CListener.h"
#include "CMediaOutput2.h"
#include "CSaveFile2.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CVideoDevicesInfo.h"
#include "StDirectShow.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/capture/TestDevicePlug.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CRecordingEnds : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowAdministrator2::kGraphCompleteMessage)
            errors.push_back(static_cast<const CDirectShowAdministrator2*>(p)->GetErrorText());
        return CListener::ListenToMessage(message, p, q);
    }
    int Ends() const { return int(errors.size()); }
    std::vector<CString> errors;
};

class CRecordingRoadFixture : public ::testing::Test {
protected:
    static constexpr const char* kVideoDevice = "Test Video Capture";
    static constexpr const char* kAudioDevice = "Test Audio Capture";

    void SetUp() override
    {
        setenv("MORVANE_TEST_DEVICES", "1", 1);
        MvPlugTestCaptureDevices(true);
        m_dir = std::filesystem::path(m_home.Path()) / "recordings";
        std::filesystem::create_directories(m_dir);
        ASSERT_TRUE(m_window.CreateEx(0, nullptr, "preview", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
        if (!CAudioCodecsInfo::sInfo) m_audioCodecs = std::make_unique<CAudioCodecsInfo>(true);
        if (!CVideoCodecsInfo::sInfo) m_videoCodecs = std::make_unique<CVideoCodecsInfo>(true);
        CAudioCodecInfo* mp3 = CAudioCodecsInfo::sInfo->Add("Lame_enc.dll", "");
        mp3->SetId(CLSID_Mp3AudioEncoder);
        CVideoCodecInfo* mpeg4 = CVideoCodecsInfo::sInfo->Add("MPEG-4 Video", "");
        mpeg4->SetId(CLSID_Mpeg4VideoEncoder);
        for (ESplitterType type : {100, 640}) {
            mp3->SetSupported(type, true);
            mpeg4->SetSupported(type, true);
        }
        if (!CVideoDevicesInfo::sInfo) m_videoDevices = std::make_unique<CVideoDevicesInfo>();
        if (!CAudioDevicesInfo::sInfo) m_audioDevices = std::make_unique<CAudioDevicesInfo>();
        CVideoDevicesInfo::sInfo->AddSystemDevices();
        CAudioDevicesInfo::sInfo->AddSystemDevices();
        ASSERT_NE(CVideoDevicesInfo::sInfo->Find(kVideoDevice), nullptr);
        ASSERT_NE(CAudioDevicesInfo::sInfo->Find(kAudioDevice), nullptr);
    }
    void TearDown() override
    {
        MvPlugTestCaptureDevices(true);
        MvSetTestCameraFault(kMvTestCameraWorks);
        m_window.DestroyWindow();
    }

    // Video through the MPEG-4 encoder at the size and rate, stereo MP3 sound at 44.1 kHz.
    static CMediaOutput2 VideoOutput(ESplitterType type, unsigned short width, unsigned short height, double rate)
    {
        CMediaOutput2 output;
        output.SetSplitterType(type);
        output.SetWantsVideo(true);
        output.SetWantsAudio(true);
        CVideoOutput2& video = output.GetVideoOutput();
        video.SetDisplayName("MPEG-4 Video");
        video.SetKeepSize(false);
        video.SetKeepFrameRate(false);
        video.GetVideoInfo().SetWidth(width);
        video.GetVideoInfo().SetHeight(height);
        video.GetVideoInfo().SetFrameRate(rate);
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

    static CSaveFile2 SaveTo(const std::filesystem::path& path)
    {
        CSaveFile2 file;
        file.SetFilePath(path.string().c_str());
        file.SetFileReplace(kFileReplaceReplace);
        return file;
    }

    MvTestHome m_home;
    StDirectShow m_com;
    std::filesystem::path m_dir;
    CDirectShowWindow m_window;
    std::unique_ptr<CFormatTypes> m_types;
    std::unique_ptr<CAudioCodecsInfo> m_audioCodecs;
    std::unique_ptr<CVideoCodecsInfo> m_videoCodecs;
    std::unique_ptr<CVideoDevicesInfo> m_videoDevices;
    std::unique_ptr<CAudioDevicesInfo> m_audioDevices;
};
