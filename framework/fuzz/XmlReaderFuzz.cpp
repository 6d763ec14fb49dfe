// Any bytes given to the settings reader: parse, walk every element, write it back.
#include "CHandle.h"
#include "CXmlNode.h"
#include "CXmlReader.h"

#include <cstdint>
#include <string>

static void Walk(CXmlNode* node, int depth)
{
    if (!node || depth > 1000) return;
    for (int i = 0; i < node->GetChildCount(); ++i) Walk(node->GetChild(i), depth + 1);
}

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
    return 0;
}
