#pragma once
// The monikers of one device category, as listed when the enumerator was made.
#include "com/ComObject.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterRegistry.h"

#include <vector>

class CMonikerEnumerator : public TComObject<IEnumMoniker> {
public:
    CMonikerEnumerator(std::vector<FilterRegistration> devices, size_t position);

    HRESULT Next(ULONG count, IMoniker** monikers, ULONG* fetched) override;
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;
    HRESULT Clone(IEnumMoniker** copy) override;

private:
    const std::vector<FilterRegistration> m_devices;
    size_t m_position;
};
