#pragma once
// The picture controls of a video capture filter, answered for the filter as its
// IAMVideoProcAmp and, with one settings page, its ISpecifyPropertyPages. The device side
// says which controls exist and reads and writes them.
#include "dshow/FilterExtraInterfaces.h"
#include "dshow/capture/VideoProcAmp.h"

#include <memory>
#include <string>
#include <vector>

struct PictureControl {
    long property = 0; // a VideoProcAmpProperty
    long min = 0, max = 0, step = 1, defaultValue = 0;
};

class CPictureControls : public IAMVideoProcAmp, public ISpecifyPropertyPages {
public:
    class Device {
    public:
        virtual ~Device() = default;
        virtual std::vector<PictureControl> List() = 0;
        virtual bool Read(long property, long& value) = 0;
        virtual bool Write(long property, long value) = 0;
    };

    // owner is the filter; every reference taken through this object is the filter's.
    CPictureControls(IUnknown* owner, std::unique_ptr<Device> device);
    ~CPictureControls() override;

    // This object's interface for the filter's lookup; null when the device has no controls.
    void* Find(REFIID iid);
    static const char* NameOf(long property);

    HRESULT QueryInterface(REFIID iid, void** object) override { return m_owner->QueryInterface(iid, object); }
    ULONG AddRef() override { return m_owner->AddRef(); }
    ULONG Release() override { return m_owner->Release(); }

    HRESULT GetRange(long property, long* min, long* max, long* step, long* defaultValue, long* capsFlags) override;
    HRESULT Set(long property, long value, long flags) override;
    HRESULT Get(long property, long* value, long* flags) override;
    HRESULT GetPages(CAUUID* pages) override;

private:
    const PictureControl* Control(long property) const;

    IUnknown* m_owner;
    std::unique_ptr<Device> m_device;
    std::vector<PictureControl> m_controls;
};

// The settings page that edits a filter's picture controls.
extern const CLSID CLSID_PictureControlsPage;
void DShowRegisterPictureControlsPage();
