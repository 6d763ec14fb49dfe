#include "dshow/FileSinkFilter.h"

#include "com/ComRuntime.h"

CFileSinkFilter::CFileSinkFilter(REFCLSID clsid) : CSinkFilter(clsid) {}

void* CFileSinkFilter::FindInterface(REFIID iid)
{
    if (iid == IFileSinkFilter::kIid) return static_cast<IFileSinkFilter*>(this);
    return nullptr;
}

HRESULT CFileSinkFilter::SetFileName(LPCOLESTR file, const AM_MEDIA_TYPE*)
{
    if (!file) return E_POINTER;
    if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
    m_file = file;
    return S_OK;
}

HRESULT CFileSinkFilter::GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type)
{
    if (!file) return E_POINTER;
    *file = m_file.empty() ? nullptr : CoTaskMemDupString(m_file.c_str());
    if (type) *type = AM_MEDIA_TYPE{};
    return m_file.empty() ? E_FAIL : S_OK;
}
