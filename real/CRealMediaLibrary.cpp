#include "CRealMediaLibrary.h"

#include "win32/kernel/Module.h"

#include <cstdio>
#include <cstring>

CRealMediaLibrary::CRealMediaLibrary(const CRealMediaLibrary& other) : CLibrary(other) {}

CRealMediaLibrary& CRealMediaLibrary::operator=(const CRealMediaLibrary& other)
{
    if (this == &other) return *this;
    CLibrary::operator=(other);
    m_setDllAccessPath = nullptr;
    m_createJobFactory = nullptr;
    return *this;
}

bool CRealMediaLibrary::LoadLibraryA()
{
    if (!CLibrary::LoadLibraryA()) return false;
    if (!m_setDllAccessPath && !m_createJobFactory)
        m_setDllAccessPath = reinterpret_cast<FPSETDLLACCESSPATH>(GetProcAddress(GetModule(), "SetDLLAccessPath"));
    return m_setDllAccessPath != nullptr;
}

bool CRealMediaLibrary::FormatAccessPaths(const char* folder, char* buffer, size_t size)
{
    static const char* const kPaths[][2] = {
        {"DT_Plugins", "/plugins"}, {"DT_Codecs", "/codecs"}, {"DT_EncSDK", "/tools"}, {"DT_Common", "/common"}};
    std::memset(buffer, 0, size);
    size_t used = 0;
    for (const auto& path : kPaths) {
        // Each text with its zero, and room left for the empty text that ends the run.
        int length = std::snprintf(buffer + used, size - used, "%s=%s%s", path[0], folder ? folder : "", path[1]);
        if (length < 0 || used + static_cast<size_t>(length) + 2 > size) {
            std::memset(buffer, 0, size);
            return false;
        }
        used += static_cast<size_t>(length) + 1;
    }
    return true;
}

void CRealMediaLibrary::SetDllLibrary(const char* folder)
{
    if (!LoadLibraryA()) return;
    char paths[kAccessPathSize];
    if (FormatAccessPaths(folder, paths, sizeof paths)) m_setDllAccessPath(paths);
}

void CRealMediaLibrary::CreateClassFactory(IHXTClassFactory** factory)
{
    if (!factory || !LoadLibraryA()) return;
    if (!m_createJobFactory)
        m_createJobFactory = reinterpret_cast<FPCREATEJOBFACTORY>(GetProcAddress(GetModule(), "HXTCreateJobFactory"));
    if (!m_createJobFactory) return;
    IHXTClassFactory* created = nullptr;
    HRESULT hr = m_createJobFactory(&created);
    if (SUCCEEDED(hr) && created)
        *factory = created;
    else if (created)
        created->Release();
}
