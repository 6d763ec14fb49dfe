// Any bytes as the web service's answer to a version check.
#include "CMorvaneXmlAppVersion.h"
#include "CVersion.h"
#include "CWebXml.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CMorvaneXmlAppVersion record;
    CWebXml web;
    web.SetObject(&record);
    if (web.ReadAnswer(text.c_str())) {
        CVersion version;
        version.Parse(record.GetVersion());
        (void)version.GetSimpleVersionText();
        if (record.GetDownloadUrl().GetLength() > CMorvaneXmlAppVersion::kMaxText) __builtin_trap();
    }
    return 0;
}
