// Any bytes as the answer of a web script: read the result and message, and load an
// object from its data element.
#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "CWebXml.h"
#include "UPersistUtils.h"

#include <cstdint>
#include <string>

namespace {
class Record : public CPersistObject {
public:
    CString text;
    LONG number = 0;
    double real = 0;
    void LoadSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(n, s);
        UPersistUtils::Load(s, "version", text);
        s.Load("number", number);
        s.Load("real", real);
    }
};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Record record;
    CWebXml web;
    web.SetObject(&record);
    web.ReadAnswer(text.c_str());
    (void)web.GetMessage();
    return 0;
}
