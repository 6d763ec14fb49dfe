#include "win32/controls/CtlClipboard.h"

#include <mutex>

namespace {

struct Content {
    std::mutex lock;
    bool hasText = false;
    std::u16string text;
    std::string rtf;
};

Content& Board()
{
    static Content content;
    return content;
}

} // namespace

void CtlClipboard::Set(std::u16string text, std::string rtf)
{
    auto& b = Board();
    std::lock_guard guard(b.lock);
    b.hasText = true;
    b.text = std::move(text);
    b.rtf = std::move(rtf);
}

void CtlClipboard::Clear()
{
    auto& b = Board();
    std::lock_guard guard(b.lock);
    b.hasText = false;
    b.text.clear();
    b.rtf.clear();
}

bool CtlClipboard::HasText()
{
    auto& b = Board();
    std::lock_guard guard(b.lock);
    return b.hasText;
}

std::u16string CtlClipboard::Text()
{
    auto& b = Board();
    std::lock_guard guard(b.lock);
    return b.text;
}

std::string CtlClipboard::Rtf()
{
    auto& b = Board();
    std::lock_guard guard(b.lock);
    return b.rtf;
}
