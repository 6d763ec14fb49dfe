#pragma once
// Registers test filters whose pins a plain function lays out, under a class id of the
// test's choosing, and puts back what was registered there before.
#include "EngineTestFilters.h"
#include "com/ClassRegistry.h"
#include "dshow/DShowInterfaces.h"

#include <string>

#include <utility>
#include <vector>

// A test filter that also loads a file, as sources do; a path naming "refuse" is refused.
class CLoadableOfferFilter : public COfferFilter, public IFileSourceFilter {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override { return COfferFilter::QueryInterface(iid, object); }
    ULONG AddRef() override { return COfferFilter::AddRef(); }
    ULONG Release() override { return COfferFilter::Release(); }
    HRESULT Load(LPCOLESTR file, const AM_MEDIA_TYPE*) override
    {
        if (!file) return E_POINTER;
        m_file = file;
        return m_file.find(u"refuse") == std::u16string::npos ? S_OK : E_FAIL;
    }
    HRESULT GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE*) override
    {
        if (!file) return E_POINTER;
        *file = nullptr;
        return E_FAIL;
    }

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IFileSourceFilter::kIid) return static_cast<IFileSourceFilter*>(this);
        return COfferFilter::FindInterface(iid);
    }

private:
    std::u16string m_file;
};

template <void (*Fill)(COfferFilter&)>
HRESULT CreateLaidOutOffer(REFIID iid, void** object)
{
    auto* filter = new CLoadableOfferFilter;
    Fill(*filter);
    const HRESULT hr = filter->QueryInterface(iid, object);
    filter->Release();
    return hr;
}

class COfferRegistrations {
public:
    COfferRegistrations() = default;
    COfferRegistrations(const COfferRegistrations&) = delete;
    COfferRegistrations& operator=(const COfferRegistrations&) = delete;
    ~COfferRegistrations()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) ComRegisterClass(it->first, it->second);
    }
    template <void (*Fill)(COfferFilter&)>
    void Add(const CLSID& id)
    {
        m_saved.emplace_back(id, ComRegisterClass(id, &CreateLaidOutOffer<Fill>));
    }

private:
    std::vector<std::pair<CLSID, ComClassFactory>> m_saved;
};
