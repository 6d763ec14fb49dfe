// A filter library as the registration finds it in a folder: one class registers as the
// library loads, the other when the library's registration export is called.
#include "com/ClassRegistry.h"

namespace {

constexpr CLSID kLoadedClass = {0x3E1C6A40, 0x5B2D, 0x4C7E, {0x9A, 0x11, 0x62, 0x0F, 0x4D, 0x8B, 0x21, 0x01}};
constexpr CLSID kRegisteredClass = {0x3E1C6A40, 0x5B2D, 0x4C7E, {0x9A, 0x11, 0x62, 0x0F, 0x4D, 0x8B, 0x21, 0x02}};

HRESULT Refuse(REFIID, void** object)
{
    if (object) *object = nullptr;
    return E_NOINTERFACE;
}

const bool kRegisteredAtLoad = (ComRegisterClass(kLoadedClass, &Refuse), true);

}  // namespace

extern "C" __attribute__((visibility("default"))) HRESULT DllRegisterServer()
{
    ComRegisterClass(kRegisteredClass, &Refuse);
    return kRegisteredAtLoad ? S_OK : E_FAIL;
}
