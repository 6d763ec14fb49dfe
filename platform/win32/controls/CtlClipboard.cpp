#include "win32/controls/CtlClipboard.h"

#include <mutex>

namespace {

struct Content {
    std::mutex lock;
    bool hasText = false;
    std::u16string text;
    std::string rtf;
    CtlClipboardDesktop* desktop = nullptr;
};

Content& Board()
{
    static Content content;
    return content;
}

struct Snapshot {
    bool hasText = false;
    std::u16string text;
    std::string rtf;
};

CtlClipboardDesktop* Desktop()
{
    auto& b = Board();
    std::lock_guard guard(b.lock);
    return b.desktop;
}

// What a paste would take now: the desktop's clipboard where reachable, else the board.
// The desktop is asked outside the lock: its toolkit may call back while it waits.
Snapshot Read()
{
    Snapshot s;
    if (CtlClipboardDesktop* desktop = Desktop(); desktop && desktop->Get(s.hasText, s.text, s.rtf)) return s;
    auto& b = Board();
    std::lock_guard guard(b.lock);
    s.hasText = b.hasText;
    s.text = b.text;
    s.rtf = b.rtf;
    return s;
}

} // namespace

void CtlClipboard::Set(std::u16string text, std::string rtf)
{
    if (CtlClipboardDesktop* desktop = Desktop()) desktop->Put(text, rtf);
    auto& b = Board();
    std::lock_guard guard(b.lock);
    b.hasText = true;
    b.text = std::move(text);
    b.rtf = std::move(rtf);
}

void CtlClipboard::Clear()
{
    if (CtlClipboardDesktop* desktop = Desktop()) desktop->Put({}, {});
    auto& b = Board();
    std::lock_guard guard(b.lock);
    b.hasText = false;
    b.text.clear();
    b.rtf.clear();
}

bool CtlClipboard::HasText()
{
    return Read().hasText;
}

std::u16string CtlClipboard::Text()
{
    return Read().text;
}

std::string CtlClipboard::Rtf()
{
    return Read().rtf;
}

void CtlClipboard::Attach(CtlClipboardDesktop* desktop)
{
    auto& b = Board();
    std::lock_guard guard(b.lock);
    b.desktop = desktop;
}
