// Any bytes read as the wide text of a ".prx" file, then what was read written and read again.
#include "wmf/ProfileText.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::u16string text(size / 2, u'\0');
    if (!text.empty()) std::memcpy(text.data(), data, text.size() * 2);
    SWmProfile profile;
    if (FAILED(ReadProfileText(text, profile))) return 0;
    SWmProfile again;
    if (FAILED(ReadProfileText(WriteProfileText(profile), again)) || again.streams.size() != profile.streams.size())
        __builtin_trap();
    return 0;
}
