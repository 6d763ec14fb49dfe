#pragma once
// The monikers of one device category, as listed when the enumerator was made.
#include "com/ComObject.h"
#include "dshow/DeviceInterfaces.h"

#include <vector>

class CMonikerEnumerator : public TComObject<IEnumMoniker> {
public:
    // Takes over one reference of each moniker.
    CMonikerEnumerator(std::vector<IMoniker*> monikers, size_t position);

    HRESULT Next(ULONG count, IMoniker** monikers, ULONG* fetched) override;
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;
    HRESULT Clone(IEnumMoniker** copy) override;

protected:
    ~CMonikerEnumerator() override;

private:
    const std::vector<IMoniker*> m_monikers;
    size_t m_position;
};
