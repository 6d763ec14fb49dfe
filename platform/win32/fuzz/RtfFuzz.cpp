// Rich text from a file or the clipboard is outside data: reading it must stay in bounds
// and writing what was read must read back to the same text.
#include "win32/controls/CtlRtf.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    CtlRichText text;
    if (!CtlReadRtf(input, CtlCharFormat{}, text)) return 0;
    CtlRichText again;
    if (!CtlReadRtf(CtlWriteRtf(text), CtlCharFormat{}, again)) std::abort();
    if (again.text.substr(0, text.text.size()) != text.text) std::abort();
    return 0;
}
