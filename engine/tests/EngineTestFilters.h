#pragma once
// A filter whose pins offer chosen media types, to drive the engine's type searches
// and pin lookups without a real source.
#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "dshow/BaseFilter.h"
#include "dshow/BasePin.h"

#include <map>
#include <vector>

// The class factory that makes a test filter of that class.
template <class F>
ComClassFactory Factory()
{
    return [](REFIID iid, void** object) { return CreateComObject<F>(iid, object); };
}

inline const CLSID CLSID_EngineTestOffer = {0x6A2C0001, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 1}};

class COfferFilter : public CBaseFilter {
public:
    COfferFilter() : CBaseFilter(CLSID_EngineTestOffer) {}
    // A pin offering the types; it accepts them too unless told otherwise.
    CBasePin* AddOffering(PIN_DIRECTION direction, const std::u16string& name, std::vector<CMediaType> types,
                          bool accepts = true)
    {
        CBasePin* pin = AddPin(direction, name);
        m_types[pin] = std::move(types);
        m_accepts[pin] = accepts;
        return pin;
    }
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override
    {
        if (!m_accepts[pin]) return E_FAIL;
        for (const CMediaType& t : m_types[pin])
            if (t.majortype == type.majortype && t.subtype == type.subtype) return S_OK;
        return m_types[pin].empty() ? S_OK : E_FAIL;
    }
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override
    {
        const auto& types = m_types[pin];
        if (index < 0 || size_t(index) >= types.size()) return S_FALSE;
        type = types[size_t(index)];
        return S_OK;
    }

private:
    std::map<CBasePin*, std::vector<CMediaType>> m_types;
    std::map<CBasePin*, bool> m_accepts;
};


#include "EncoderFilterInterfaces.h"

// A filter of the encoder set: remembers the private switch it was given (every filter of
// the platform offers the switch).
class CPrivateSettingFilter : public COfferFilter {
public:
    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CPrivateSettingFilter>(iid, object); }
    HRESULT SetPrivate(LONG value) override
    {
        sLastValue = value;
        return S_OK;
    }
    static inline LONG sLastValue = 0;
};

inline const CLSID CLSID_EngineTestPrivate = {0x6A2C0002, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 2}};
inline const CLSID CLSID_EngineTestMissing = {0x6A2C0003, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 3}};
