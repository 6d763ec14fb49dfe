#pragma once
// Tests the capture devices of one kind that have not shown what they offer yet: each is
// opened through its capture input set and what it offers goes into its catalogue entry.
// Each test runs under the crash mark of "devices.ini".
#include "CDirectShowAdministrator2.h"
#include "CIniProfile.h"

#include <vector>

class CCaptureDevice2;
class CDevicesInfo;

class CCaptureTestAdministrator2 : public CDirectShowAdministrator2 {
public:
    CCaptureTestAdministrator2();
    ~CCaptureTestAdministrator2() override;

    // Opens "devices.ini", lists the catalogue's devices and tests, each under its mark,
    // those that need it. A blocked device is passed over.
    void LoopDevices();
    void LoadDevices();
    // Present, and nothing found out about it yet.
    bool NeedTest(CCaptureDevice2* device) const;
    // Opens the device and records what it offers; false (the entry untouched) when it
    // cannot be opened, the error text telling why.
    bool TestDevice(CCaptureDevice2* device);

    int GetDeviceCount() const { return int(m_devices.size()); }
    CCaptureDevice2* GetDevice(int index) const;

    virtual CDevicesInfo* GetCatalogue() const = 0;
    // Connectors (audio) or capture sizes (video) found by an earlier test.
    virtual bool HasCapabilities(CCaptureDevice2* device) const = 0;

protected:
    // Reads the opened input set into the device's entry.
    virtual void ReadDevice(CCaptureDevice2* device) = 0;

    CIniProfile m_profile;
    std::vector<CCaptureDevice2*> m_devices;
    // The device under test, while its input set is made.
    CCaptureDevice2* m_device = nullptr;
};
