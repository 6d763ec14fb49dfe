#include "dshow/discs/LocaleNames.h"

#include <cctype>
#include <cstring>

namespace {

struct Language {
    const char* code;
    WORD primary;
    const char* name;
};

const Language kLanguages[] = {
    {"ar", 0x01, "Arabic"},   {"bg", 0x02, "Bulgarian"}, {"ca", 0x03, "Catalan"},   {"zh", 0x04, "Chinese"},
    {"cs", 0x05, "Czech"},    {"da", 0x06, "Danish"},    {"de", 0x07, "German"},    {"el", 0x08, "Greek"},
    {"en", 0x09, "English"},  {"es", 0x0A, "Spanish"},   {"fi", 0x0B, "Finnish"},   {"fr", 0x0C, "French"},
    {"he", 0x0D, "Hebrew"},   {"hu", 0x0E, "Hungarian"}, {"is", 0x0F, "Icelandic"}, {"it", 0x10, "Italian"},
    {"ja", 0x11, "Japanese"}, {"ko", 0x12, "Korean"},    {"nl", 0x13, "Dutch"},     {"no", 0x14, "Norwegian"},
    {"pl", 0x15, "Polish"},   {"pt", 0x16, "Portuguese"}, {"ro", 0x18, "Romanian"}, {"ru", 0x19, "Russian"},
    {"hr", 0x1A, "Croatian"}, {"sk", 0x1B, "Slovak"},    {"sv", 0x1D, "Swedish"},   {"th", 0x1E, "Thai"},
    {"tr", 0x1F, "Turkish"},  {"id", 0x21, "Indonesian"}, {"uk", 0x22, "Ukrainian"}, {"sl", 0x24, "Slovenian"},
    {"hi", 0x39, "Hindi"},
};

// The sublanguage "default" with the primary language in the low ten bits.
constexpr LCID MakeLcid(WORD primary)
{
    return LCID(0x0400 | primary);
}

} // namespace

LCID LcidFromLanguageCode(const char* code)
{
    if (!code || std::strlen(code) != 2) return 0;
    const char lower[3] = {char(std::tolower(static_cast<unsigned char>(code[0]))),
                           char(std::tolower(static_cast<unsigned char>(code[1]))), 0};
    for (const Language& language : kLanguages)
        if (std::strcmp(language.code, lower) == 0) return MakeLcid(language.primary);
    return 0;
}

int GetLocaleInfoA(LCID locale, DWORD item, char* text, int size)
{
    if (item != LOCALE_SLANGUAGE || size < 0) return 0;
    for (const Language& language : kLanguages) {
        if ((locale & 0x3FF) != language.primary) continue;
        const int needed = int(std::strlen(language.name)) + 1;
        if (size == 0) return needed;
        if (!text || size < needed) return 0;
        std::memcpy(text, language.name, size_t(needed));
        return needed;
    }
    return 0;
}
