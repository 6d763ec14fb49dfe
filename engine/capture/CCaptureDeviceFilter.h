#pragma once
// A capture device's filter, bound from its system device category: the device the
// capture-device catalogue files under the display name asked for, else the first device
// of that friendly name. A device that refuses its configuration counts as not created.
#include "CDirectShowFilter.h"

class CDevicesInfo;
class CFilterPin;

class CCaptureDeviceFilter : public CDirectShowFilter {
public:
    CCaptureDeviceFilter(CDirectShowGraph* graph, const char* name, const GUID& category);
    CCaptureDeviceFilter(const CCaptureDeviceFilter&) = delete;
    CCaptureDeviceFilter& operator=(const CCaptureDeviceFilter&) = delete;
    ~CCaptureDeviceFilter() override;

    bool Create() override;
    void Release() override;

    void SetDevice(const char* displayName) { m_device = displayName ? displayName : ""; }
    const CString& GetDevice() const { return m_device; }
    // The device's (first) output pin.
    CFilterPin* GetCapturePin() const { return m_capturePin; }

protected:
    // The catalogue that names the devices of the category; null without one.
    virtual CDevicesInfo* Catalogue() const = 0;
    // Settings given to the new filter before it is connected; false fails the creation.
    virtual bool Configure() { return true; }

private:
    bool Bind();

    GUID m_category;
    CString m_device;
    CFilterPin* m_capturePin;
};
