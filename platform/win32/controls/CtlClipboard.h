#pragma once
// The process's clipboard as the edit controls use it: plain text and, from a rich edit, the
// same text as rich text. While a desktop is attached (the screen is up) it is the desktop's
// clipboard, shared with other programs; otherwise a board of the process's own, which tests
// and headless runs read and fill directly.
#include <string>

// The desktop's clipboard, as the display backend offers it.
class CtlClipboardDesktop {
public:
    virtual ~CtlClipboardDesktop() = default;
    // False when the calling thread cannot reach the desktop's clipboard.
    virtual bool Put(const std::u16string& text, const std::string& rtf) = 0;
    // False when unreachable; otherwise whether the desktop holds text, with it.
    virtual bool Get(bool& hasText, std::u16string& text, std::string& rtf) = 0;
};

class CtlClipboard {
public:
    static void Set(std::u16string text, std::string rtf = {});
    static void Clear();
    static bool HasText();
    static std::u16string Text();
    // Empty when the clipboard holds no rich text.
    static std::string Rtf();
    // Attaches the desktop's clipboard (null detaches it).
    static void Attach(CtlClipboardDesktop* desktop);
};
