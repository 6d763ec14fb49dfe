#pragma once
// What a conversion test of the user interface's jobs stands on: its own home and media
// folder, a video window, the format table, the MP3 and Vorbis encoders in the codec
// catalogue, and the probe of a file into a media file record.
#include "../../../engine/tests/EngineTestMedia.h"
#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CDirectShowWindow.h"
#include "CFileCheckAdministrator2.h"
#include "CFormatTypes.h"
#include "CMediaFile2.h"
#include "CMediaOutput2.h"
#include "StDirectShow.h"
#include "UApplyMediaFile.h"
#include "dshow/AudioEncoderFilter.h"

#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class CConversionRoadFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::path(m_home.Path()) / "media";
        std::filesystem::create_directories(m_dir / "out");
        ASSERT_TRUE(m_window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
        if (!CAudioCodecsInfo::sInfo) m_codecs = std::make_unique<CAudioCodecsInfo>(true);
        AddCodec("Lame_enc.dll", CLSID_Mp3AudioEncoder, {350, 500, 100, 1200});
        AddCodec("Vorbis Encoder", CLSID_VorbisAudioEncoder, {1100});
    }
    void TearDown() override { m_window.DestroyWindow(); }

    static void AddCodec(const char* name, const GUID& id, std::initializer_list<ESplitterType> types)
    {
        CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo->Add(name, "");
        codec->SetId(id);
        for (ESplitterType type : types) codec->SetSupported(type, true);
    }

    // The file check and the probe transfer, as the verifiers and the tasks do them.
    static bool Probe(const std::filesystem::path& path, CMediaFile2& file)
    {
        CFileCheckAdministrator2 check;
        check.SetFilePath(path.string().c_str());
        if (!check.Create()) return false;
        UApplyMediaFile::ApplyMediaFile(&file, &check);
        check.Release();
        return true;
    }

    // Stereo 44.1 kHz 16-bit sound of the type through the codec at the bitrate.
    static CMediaOutput2 AudioOutput(ESplitterType type, const char* codec, ULONG bitrate)
    {
        CMediaOutput2 output;
        output.SetSplitterType(type);
        output.SetWantsVideo(false);
        CAudioOutput2& audio = output.GetAudioOutput();
        audio.SetDisplayName(codec);
        audio.GetAudioInfo().SetSampleRate(44100);
        audio.GetAudioInfo().SetChannel(2);
        audio.GetAudioInfo().SetBitsPerSample(16);
        audio.SetEncoderControl(2);
        audio.SetBitrate(bitrate);
        return output;
    }

    MvTestHome m_home;
    StDirectShow m_com;
    std::filesystem::path m_dir;
    CDirectShowWindow m_window;
    std::unique_ptr<CFormatTypes> m_types;
    std::unique_ptr<CAudioCodecsInfo> m_codecs;
};
