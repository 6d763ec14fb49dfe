#include "com/ServerRegistration.h"

#include "win32/kernel/Module.h"

HRESULT ComRegisterServer(const char* path)
{
    if (!path || !*path) return E_INVALIDARG;
    HMODULE module = LoadLibrary(path);
    if (!module) return E_FAIL;
    HRESULT hr = S_OK;
    using RegisterFunc = HRESULT (*)();
    if (auto registerServer = reinterpret_cast<RegisterFunc>(GetProcAddress(module, "DllRegisterServer")))
        hr = registerServer();
    if (FAILED(hr)) FreeLibrary(module);
    return hr;
}
