// Feeds arbitrary bytes to the loaders of the codec and capture device catalogues, through the binary
// storage and, as text, through the XML settings reader. Whatever the bytes, loading
// must end, stay in bounds and keep only entries of the expected classes; the loaded
// catalogues must stand their lookups and nearest-setting choices.
#include "CAudioCodecsInfo.h"
#include "CAudioDevicesInfo.h"
#include "CTvCodecOption.h"
#include "CVideoCodecsInfo.h"
#include "CVideoDevicesInfo.h"
#include "../../framework/fuzz/PersistFuzz.h"

#include <cstddef>
#include <cstdint>

namespace {

void CheckVideo(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CVideoCodecsInfo codecs;
    codecs.Load("Settings", storage);
    for (int i = 0; i < codecs.GetCodecCount(); ++i) {
        CCodecInfo* entry = codecs.GetCodec(i);
        Require(entry && entry->IsInstanceOf(CCodecInfo::kType));
        for (int m = 0; m < entry->GetMuxInfoCount(); ++m) Require(entry->GetMuxInfo(m) != nullptr);
        if (auto* video = dynamic_cast<CVideoCodecInfo*>(entry)) {
            for (int s = 0; s < video->GetSizeCount(); ++s) Require(video->GetSize(s) != nullptr);
            unsigned short width = 640, height = 480;
            video->FindBestFit(width, height);
        }
    }
    codecs.FindCodec(100);
    codecs.FindCodecPartialName(100, "a");
    codecs.FindCloseMatchCodec(100, "Windows Media Video 9");
    codecs.Add("Fuzz", "fuzz");
}

void CheckAudio(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CAudioCodecsInfo codecs;
    codecs.Load("Settings", storage);
    for (int i = 0; i < codecs.GetCodecCount(); ++i) {
        auto* audio = dynamic_cast<CAudioCodecInfo*>(codecs.GetCodec(i));
        Require(codecs.GetCodec(i) != nullptr);
        if (!audio) continue;
        for (int r = 0; r < audio->GetSampleRateCount(); ++r) Require(audio->GetSampleRate(r) != nullptr);
        ULONG rate = 44100, bitrate = 0;
        unsigned short channels = 2, bits = 16;
        audio->FindBestFit(rate, channels, bits, bitrate, 50);
        audio->AddSetting(44100, 2, 16, 128000, 0);
    }
}

void CheckDevices(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CVideoDevicesInfo video;
    video.Load("Settings", storage);
    for (int i = 0; i < video.GetDeviceCount(); ++i) {
        auto* device = dynamic_cast<CVideoCaptureDevice2*>(video.GetDevice(i));
        Require(device != nullptr);
        for (int s = 0; s < device->GetSizeCount(); ++s) {
            const CVideoCaptureSize2* size = device->GetSize(s);
            Require(size != nullptr);
            for (int r = 0; r < size->GetFrameRateCount(); ++r) Require(size->GetFrameRate(r)->GetFrameRate() >= 0);
        }
        device->AddSetting(640, 480, 30, 3);
    }
    video.Add("Camera", "moniker");
    storage.ResetLoad(true);
    CAudioDevicesInfo audio;
    audio.Load("Settings", storage);
    for (int i = 0; i < audio.GetDeviceCount(); ++i) {
        auto* device = dynamic_cast<CAudioCaptureDevice2*>(audio.GetDevice(i));
        Require(device != nullptr);
        device->FindClose("mic");
    }
    audio.Add("Mic", "moniker");
}

void LoadEvery(CPersistStorage& storage)
{
    CheckDevices(storage);
    CheckVideo(storage);
    CheckAudio(storage);
    LoadAs<CTvCodecOption>(storage);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FeedBinaryAndXml(data, size, LoadEvery);
    return 0;
}
