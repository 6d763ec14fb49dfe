#pragma once
// Passes one value through one interface of a wrapped filter: the interface is queried
// when first needed and held until Release. A filter without it is left unchanged.
#include "CDirectShowFilter.h"
#include "com/Unknown.h"
#include "dshow/DShowInterfaces.h"

template <class I>
class TInterfaceSetter {
public:
    explicit TInterfaceSetter(CDirectShowFilter* filter) : m_filter(filter) {}
    TInterfaceSetter(const TInterfaceSetter&) = delete;
    TInterfaceSetter& operator=(const TInterfaceSetter&) = delete;
    virtual ~TInterfaceSetter() { Release(); }

    void Release() { SafeRelease(m_interface); }

protected:
    I* Interface()
    {
        if (!m_interface && m_filter && m_filter->GetFilter())
            QueryInterfaceTo(m_filter->GetFilter(), &m_interface);
        return m_interface;
    }

private:
    CDirectShowFilter* m_filter;
    I* m_interface = nullptr;
};
