#include "dshow/encoders/Mp3Encoder.h"

#include <unistd.h>

HRESULT CMp3Encoder::SetLibraryPath(const char* path)
{
    std::string wanted = path ? path : "";
    if (!wanted.empty() && ::access(wanted.c_str(), R_OK) != 0) return E_INVALIDARG;
    m_path = wanted;
    return S_OK;
}

void* CMp3Encoder::FindInterface(REFIID iid)
{
    if (iid == ILameLibraryPath::kIid) return static_cast<ILameLibraryPath*>(this);
    return CAudioStreamEncoder::FindInterface(iid);
}
