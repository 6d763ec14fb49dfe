#include "UQuickTimeVideoSettings.h"

#include "CHandle.h"
#include "CRegistry.h"
#include "CVideoOutput2.h"
#include "UFilterUtils2.h"

#include <cstring>
#include <string>

namespace {

std::string ToHex(const CHandle& block)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(block.GetSize() * 2);
    for (uint32_t i = 0; i < block.GetSize(); ++i) {
        const unsigned char byte = block.GetBuffer()[i];
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A damaged value gives nothing rather than half a block.
bool FromHex(const char* text, CHandle& block)
{
    const size_t length = text ? std::strlen(text) : 0;
    if (length == 0 || length % 2 != 0) return false;
    CHandle parsed;
    for (size_t i = 0; i < length; i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        const unsigned char byte = static_cast<unsigned char>(high << 4 | low);
        if (!parsed.Append(&byte, 1)) return false;
    }
    block = parsed;
    return true;
}

} // namespace

void UQuickTimeVideoSettings::Run(ESplitterType, CVideoOutput2& video, bool prompt)
{
    const CString name = video.GetDisplayName();
    if (name.IsEmpty()) return;
    CRegistry saved(kSection, name);
    if (video.GetSettings().GetSize() == 0) {
        CHandle block;
        if (FromHex(saved.GetTextValue(""), block)) video.SetSettings(block);
    }
    if (!prompt) return;
    CHandle edited = video.GetSettings();
    const std::string before = ToHex(edited);
    UFilterUtils2::PromptVideoSetting(name, edited);
    const std::string after = ToHex(edited);
    // The dialog leaves the block as it was when the user cancels.
    if (after == before) return;
    video.SetSettings(edited);
    saved.SetTextValue(after.c_str());
}
