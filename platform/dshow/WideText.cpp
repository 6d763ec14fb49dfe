#include "dshow/WideText.h"

#include "win32/CtlText.h"

#include <algorithm>

std::string NarrowText(LPCWSTR text)
{
    return text ? CtlNarrow(text) : std::string();
}

std::u16string WideText(const std::string& text)
{
    return CtlWiden(text);
}

void CopyWideName(WCHAR* target, size_t capacity, const std::u16string& name)
{
    if (!target || capacity == 0) return;
    size_t n = std::min(capacity - 1, name.size());
    std::copy_n(name.data(), n, target);
    target[n] = 0;
}
