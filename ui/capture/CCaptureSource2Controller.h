#pragma once
// Chooses the device of a capture source from one of the engine's device catalogues, by
// the device's display name.
#include "CObjectController2.h"

class CCaptureDevice2;
class CCaptureSource2;
class CComboBox;
class CDevicesInfo;

class CCaptureSource2Controller : public CObjectController2 {
public:
    CCaptureSource2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;

    void SetControls(CComboBox* device);

    // The record's device when the catalogue has it and this controller offers it.
    virtual CCaptureDevice2* GetDevice();
    virtual void PopulateDeviceCombo();
    virtual bool ShowDevice(CCaptureDevice2* device);
    virtual void ReflectDevice();
    void EnterDevice();

    CCaptureSource2* GetSource() const;
    // The catalogue offered, looked up each time: the engine may replace it.
    virtual CDevicesInfo* GetDevicesInfo() const { return nullptr; }

protected:
    // The first device of the catalogue this controller offers; null when none.
    // The record's name as the summary; empty without a record.
    char* GetNameText() const;
    CCaptureDevice2* FirstShownDevice(CDevicesInfo* devices);
    CCaptureDevice2* FindShownDevice(CDevicesInfo* devices, const char* name);
    void AddShownDevices(CDevicesInfo* devices);

    CComboBox* m_device = nullptr;
};
