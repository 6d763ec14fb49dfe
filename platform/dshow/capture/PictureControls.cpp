#include "dshow/capture/PictureControls.h"

#include "com/ComRuntime.h"

const CLSID CLSID_PictureControlsPage = {0x6A2D2004, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8F, 0x04}};

CPictureControls::CPictureControls(IUnknown* owner, std::unique_ptr<Device> device)
    : m_owner(owner), m_device(std::move(device))
{
    if (m_device) m_controls = m_device->List();
}

CPictureControls::~CPictureControls() = default;

void* CPictureControls::Find(REFIID iid)
{
    if (m_controls.empty()) return nullptr;
    if (iid == IAMVideoProcAmp::kIid) return static_cast<IAMVideoProcAmp*>(this);
    if (iid == ISpecifyPropertyPages::kIid) return static_cast<ISpecifyPropertyPages*>(this);
    return nullptr;
}

const char* CPictureControls::NameOf(long property)
{
    static const char* const kNames[] = {"Brightness", "Contrast",     "Hue",           "Saturation",     "Sharpness",
                                         "Gamma",      "Color Enable", "White Balance", "Backlight Comp", "Gain"};
    return property >= 0 && property < long(std::size(kNames)) ? kNames[property] : "";
}

const PictureControl* CPictureControls::Control(long property) const
{
    for (const PictureControl& control : m_controls)
        if (control.property == property) return &control;
    return nullptr;
}

HRESULT CPictureControls::GetRange(long property, long* min, long* max, long* step, long* defaultValue, long* capsFlags)
{
    if (!min || !max || !step || !defaultValue || !capsFlags) return E_POINTER;
    const PictureControl* control = Control(property);
    if (!control) return E_PROP_ID_UNSUPPORTED;
    *min = control->min;
    *max = control->max;
    *step = control->step;
    *defaultValue = control->defaultValue;
    *capsFlags = VideoProcAmp_Flags_Manual;
    return S_OK;
}

HRESULT CPictureControls::Set(long property, long value, long flags)
{
    const PictureControl* control = Control(property);
    if (!control) return E_PROP_ID_UNSUPPORTED;
    // The device sets nothing by itself here; a value outside the range is refused.
    if (flags != VideoProcAmp_Flags_Manual || value < control->min || value > control->max) return E_INVALIDARG;
    return m_device->Write(property, value) ? S_OK : E_FAIL;
}

HRESULT CPictureControls::Get(long property, long* value, long* flags)
{
    if (!value || !flags) return E_POINTER;
    if (!Control(property)) return E_PROP_ID_UNSUPPORTED;
    if (!m_device->Read(property, *value)) return E_FAIL;
    *flags = VideoProcAmp_Flags_Manual;
    return S_OK;
}

HRESULT CPictureControls::GetPages(CAUUID* pages)
{
    if (!pages) return E_POINTER;
    pages->cElems = 0;
    pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID)));
    if (!pages->pElems) return E_OUTOFMEMORY;
    pages->pElems[0] = CLSID_PictureControlsPage;
    pages->cElems = 1;
    return S_OK;
}
