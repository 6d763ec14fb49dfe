#pragma once
// The process's clipboard as the edit controls use it: plain text and, from a rich edit, the
// same text as rich text. Tests and a display peer read and fill it directly.
#include <string>

class CtlClipboard {
public:
    static void Set(std::u16string text, std::string rtf = {});
    static void Clear();
    static bool HasText();
    static std::u16string Text();
    // Empty when the clipboard holds no rich text.
    static std::string Rtf();
};
