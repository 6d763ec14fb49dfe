// Registers the speech layer's creatable classes when the library loads.
#include "com/ClassRegistry.h"
#include "sapi/SpMMAudioOut.h"
#include "sapi/SpObjectToken.h"
#include "sapi/SpObjectTokenCategory.h"
#include "sapi/SpStream.h"
#include "sapi/SpVoiceObject.h"

namespace {

struct Registrar {
    Registrar()
    {
        ComRegisterClass(CLSID_SpVoice, &CSpVoice::Create);
        ComRegisterClass(CLSID_SpObjectTokenCategory, &CSpObjectTokenCategory::Create);
        ComRegisterClass(CLSID_SpObjectToken, &CSpObjectToken::Create);
        ComRegisterClass(CLSID_SpStream, &CSpStream::Create);
        ComRegisterClass(CLSID_SpMMAudioOut, &CSpMMAudioOut::Create);
    }
} gRegistrar;

} // namespace
