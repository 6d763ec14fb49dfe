#pragma once
// The video capture device catalogue. The first instance constructed is sInfo until
// it is destroyed.
#include "CVideoCaptureDevice2.h"
#include "CDevicesInfo.h"

class CVideoDevicesInfo : public CDevicesInfo {
    MV_DECLARE_PERSIST_CLASS(CVideoDevicesInfo)
public:
    CVideoDevicesInfo();
    CVideoDevicesInfo(const CVideoDevicesInfo& other);
    CVideoDevicesInfo& operator=(const CVideoDevicesInfo&) = default;
    ~CVideoDevicesInfo() override;

    CVideoCaptureDevice2* Add(const char* name, const char* deviceName);
    void AddSystemDevices();
    void LiveUpdate();

    static CVideoDevicesInfo* sInfo;
    static const char* const kFileInfoName;
    static const char* const kFileName;
    static constexpr LONG kType = FourCharCode("vdsi");

protected:
    CCaptureDevice2* NewDevice() const override;
};
