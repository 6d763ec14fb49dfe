#pragma once
// Test support for the capture pages: the engine's audio and video device catalogues,
// replaced for a test's lifetime, with devices made to order and plugged in or out.
#include "CAudioDevicesInfo.h"
#include "CVideoDevicesInfo.h"

#include <initializer_list>
#include <vector>

struct CameraSize {
    unsigned short width;
    unsigned short height;
    std::vector<double> rates;
};

class ScopedDeviceCatalogues {
public:
    ScopedDeviceCatalogues() : m_oldAudio(CAudioDevicesInfo::sInfo), m_oldVideo(CVideoDevicesInfo::sInfo)
    {
        CAudioDevicesInfo::sInfo = &audio;
        CVideoDevicesInfo::sInfo = &video;
    }
    ~ScopedDeviceCatalogues()
    {
        CAudioDevicesInfo::sInfo = m_oldAudio;
        CVideoDevicesInfo::sInfo = m_oldVideo;
    }
    ScopedDeviceCatalogues(const ScopedDeviceCatalogues&) = delete;
    ScopedDeviceCatalogues& operator=(const ScopedDeviceCatalogues&) = delete;

    CAudioCaptureDevice2* AddMicrophone(const char* name, std::initializer_list<const char*> connectors,
                                        bool activated = true)
    {
        CAudioCaptureDevice2* device = audio.Add(name, name);
        for (const char* connector : connectors) device->Add(connector);
        device->Activate(activated);
        return device;
    }
    CVideoCaptureDevice2* AddCamera(const char* name, std::initializer_list<CameraSize> sizes, bool activated = true,
                                    bool dv = false, bool more = false)
    {
        CVideoCaptureDevice2* device = video.Add(name, name);
        for (const CameraSize& size : sizes)
            for (double rate : size.rates) device->AddSetting(size.width, size.height, rate, 3);
        device->SetIsDv(dv);
        device->SetHasMore(more);
        device->Activate(activated);
        return device;
    }
    // As the live device scan does: the catalogue announces the change to its listeners.
    void Plug(CCaptureDevice2* device, bool present)
    {
        device->SetTempActivated(present);
        if (device->IsInstanceOf(CAudioCaptureDevice2::kType))
            audio.SyncActivated(device);
        else
            video.SyncActivated(device);
    }

    CAudioDevicesInfo audio;
    CVideoDevicesInfo video;

private:
    CAudioDevicesInfo* m_oldAudio;
    CVideoDevicesInfo* m_oldVideo;
};
