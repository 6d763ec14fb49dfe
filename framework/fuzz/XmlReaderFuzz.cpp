// Any bytes given to the settings reader: parse, walk every element, write it back, and
// load an object tree of every value type from it as a settings file would be loaded.
#include "CHandle.h"
#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "CPersistValueList.h"
#include "CXmlNode.h"
#include "CXmlPersistReader.h"
#include "CXmlReader.h"
#include "UPersistUtils.h"

#include <cstdint>
#include <string>

namespace {

void Walk(CXmlNode* node, int depth)
{
    if (!node || depth > 1000) return;
    for (int i = 0; i < node->GetChildCount(); ++i) Walk(node->GetChild(i), depth + 1);
}

// The names a settings object uses, read as every type the storage knows.
class Probe : public CPersistObject {
public:
    void LoadSelf(const char* name, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(name, s);
        const char* names[] = {"Rate", "Volume", "Password", "Device", "Position", "Colour", "Text", "Width"};
        for (const char* n : names) {
            LONG number = 0;
            ULONG unsignedNumber = 0;
            short small = 0;
            unsigned short smallUnsigned = 0;
            char tiny = 0;
            unsigned char byte = 0;
            bool flag = false;
            double real = 0;
            float single = 0;
            __int64 wide = 0;
            GUID guid{};
            CHandle handle;
            unsigned char bytes[16];
            char buffer[8];
            CString text;
            s.Load(n, number);
            s.Load(n, &number);
            s.Load(n, unsignedNumber);
            s.Load(n, small);
            s.Load(n, smallUnsigned);
            s.Load(n, tiny);
            s.Load(n, byte);
            s.Load(n, flag);
            s.Load(n, real);
            s.Load(n, single);
            s.Load(n, wide);
            s.Load(n, guid);
            s.Load(n, handle);
            s.Load(n, bytes, sizeof bytes);
            s.Load(n, buffer, sizeof buffer);
            UPersistUtils::Load(s, n, text);
            UPersistUtils::DecryptLoad(s, n, text);
        }
        CPersistValueList values;
        values.Load("Hot Keys", s);
        if (depth < 3) {
            Probe nested;
            nested.depth = depth + 1;
            nested.Load("Speech", s);
        }
    }
    int depth = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    CXmlReader reader;
    if (!reader.Parse(text.c_str())) return 0;
    Walk(reader.GetTopNode(), 0);
    reader.EnterNode("Settings");
    reader.ReadValue("obj id");
    reader.EnterNode("missing");
    reader.LeaveNode();
    CHandle out;
    reader.GetTopNode()->Write(out, 0);
    CXmlReader copy(reader);

    CXmlPersistReader storage(reader.GetTopNode());
    Probe probe;
    probe.Load("Settings", storage);
    return 0;
}
