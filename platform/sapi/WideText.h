#pragma once
// UTF-8 <-> UTF-16 for the layer's own strings (token ids, file names).
#include <string>

std::u16string SpWiden(const std::string& text);
std::string SpNarrow(const std::u16string& text);
std::u16string SpCopyWide(const char16_t* text); // null gives empty
