#pragma once
// The device converter's document: the conversion jobs and folder, the selected device
// (platform) and one record per device the user works with.
#include "CConversionBatch.h"
#include "MvMediaProperty.h"

class CPortableMediaConversion;

class CQuorlanData : public CConversionBatch {
    MV_DECLARE_PERSIST_CLASS(CQuorlanData)
public:
    CQuorlanData();
    CQuorlanData(const CQuorlanData& other) = default;
    CQuorlanData& operator=(const CQuorlanData& other) = default;
    ~CQuorlanData() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // A stored sequence replaces the process-wide one only when it is a used one (above 10000).
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // The own message, else the selected device record's.
    const char* Validate() override;
    using CConversionBatch::Validate;
    // An empty name is refused.
    MV_DECLARE_PROPERTY(Device, const char*, CString)
    CString GetDevice() const { return m_device; }

    // The list takes the record; removing deletes it.
    void AddDevice(CPortableMediaConversion* device);
    void RemoveDevice(CPortableMediaConversion* device);
    int GetDeviceCount() const { return m_devices.GetItemCount(); }
    CPortableMediaConversion* GetDevice(int index) const;
    CPortableMediaConversion* FindDevice(const char* name) const;
    // The record of that device, made and set up from the catalogue when missing.
    CPortableMediaConversion* EnsureDevice(const char* name);
    // Takes sync, play list and bit-rate caps from the catalogue's platform and targets.
    void InitializeDevice(CPortableMediaConversion* device);

    // Numbers the output files of the PSP targets: 10001, 10002, ...
    static unsigned short UsePspSequence();

    static unsigned short sPspSequence;
    static constexpr LONG kDeviceChangedNotice = FourCharCode("qrle");
    static constexpr unsigned short kFirstPspSequence = 10001;

private:
    CString m_device;
    CPersistList m_devices{true};
};
