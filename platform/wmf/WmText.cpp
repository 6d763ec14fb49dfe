#include "wmf/WmText.h"

std::u16string TextIn(const WCHAR* text) { return text ? std::u16string(text) : std::u16string(); }
