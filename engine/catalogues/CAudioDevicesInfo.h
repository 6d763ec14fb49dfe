#pragma once
// The audio capture device catalogue. The first instance constructed is sInfo until
// it is destroyed.
#include "CAudioCaptureDevice2.h"
#include "CDevicesInfo.h"

class CAudioDevicesInfo : public CDevicesInfo {
    MV_DECLARE_PERSIST_CLASS(CAudioDevicesInfo)
public:
    CAudioDevicesInfo();
    CAudioDevicesInfo(const CAudioDevicesInfo& other);
    CAudioDevicesInfo& operator=(const CAudioDevicesInfo&) = default;
    ~CAudioDevicesInfo() override;

    CAudioCaptureDevice2* Add(const char* name, const char* deviceName);
    void AddSystemDevices();
    void LiveUpdate();

    static CAudioDevicesInfo* sInfo;
    static const char* const kFileInfoName;
    static const char* const kFileName;
    static constexpr LONG kType = FourCharCode("adsi");

protected:
    CCaptureDevice2* NewDevice() const override;
};
