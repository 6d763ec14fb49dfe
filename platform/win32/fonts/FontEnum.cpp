#include "win32/fonts/FontEnum.h"

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <set>
#include <string>

namespace {

struct Script {
    BYTE charSet;
    const char* name;
    const char* language;   // a family covers the script when fontconfig says it covers this language
};

const Script kScripts[] = {
    {ANSI_CHARSET, "Western", "en"},
    {GREEK_CHARSET, "Greek", "el"},
    {RUSSIAN_CHARSET, "Cyrillic", "ru"},
};

// The core faces programs name without asking whether they exist; fontconfig stands in a
// metric-compatible or similar installed family for each, as a system's font substitutes do.
const char* const kCoreFaces[] = {"Arial", "Times New Roman", "Courier New"};

// The languages of the installed font fontconfig draws a face with; null when none.
FcPattern* MatchFor(const char* face)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(face));
    if (!pattern) return nullptr;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    return result == FcResultMatch ? match : (match ? (FcPatternDestroy(match), nullptr) : nullptr);
}

void CopyText(BYTE* to, size_t size, const char* from)
{
    std::strncpy(reinterpret_cast<char*>(to), from, size - 1);
    to[size - 1] = 0;
}

} // namespace

int EnumFontFamiliesExA(HDC, LOGFONTA* filter, FONTENUMPROCA callback, LPARAM param, DWORD)
{
    if (!callback || !FcInit()) return 1;
    BYTE wantedSet = filter ? filter->lfCharSet : DEFAULT_CHARSET;
    std::string wantedFace = filter ? std::string(filter->lfFaceName, strnlen(filter->lfFaceName, LF_FACESIZE)) : "";

    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_LANG, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    if (!fonts) return 1;

    // A family's scripts over all its styles.
    std::set<std::pair<std::string, BYTE>> reported;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch) continue;
        std::string name = reinterpret_cast<const char*>(family);
        if (name.size() >= LF_FACESIZE || (!wantedFace.empty() && name != wantedFace)) continue;
        FcLangSet* languages = nullptr;
        FcPatternGetLangSet(fonts->fonts[i], FC_LANG, 0, &languages);
        for (const Script& script : kScripts) {
            if (wantedSet != DEFAULT_CHARSET && wantedSet != script.charSet) continue;
            if (!languages || FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>(script.language)) == FcLangDifferentLang)
                continue;
            reported.insert({name, script.charSet});
        }
    }
    FcFontSetDestroy(fonts);

    std::set<std::string> names;
    for (const auto& entry : reported) names.insert(entry.first);
    for (const char* face : kCoreFaces) {
        if (names.count(face) || (!wantedFace.empty() && wantedFace != face)) continue;
        FcPattern* match = MatchFor(face);
        if (!match) continue;
        FcLangSet* languages = nullptr;
        FcPatternGetLangSet(match, FC_LANG, 0, &languages);
        for (const Script& script : kScripts) {
            if (wantedSet != DEFAULT_CHARSET && wantedSet != script.charSet) continue;
            if (!languages || FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>(script.language)) == FcLangDifferentLang)
                continue;
            reported.insert({face, script.charSet});
        }
        FcPatternDestroy(match);
    }

    int result = 1;
    for (const auto& [name, charSet] : reported) {
        ENUMLOGFONTEXA font{};
        font.elfLogFont.lfHeight = -12;
        font.elfLogFont.lfWeight = FW_NORMAL;
        font.elfLogFont.lfCharSet = charSet;
        std::strncpy(font.elfLogFont.lfFaceName, name.c_str(), LF_FACESIZE - 1);
        CopyText(font.elfFullName, sizeof font.elfFullName, name.c_str());
        CopyText(font.elfStyle, sizeof font.elfStyle, "Regular");
        for (const Script& script : kScripts)
            if (script.charSet == charSet) CopyText(font.elfScript, sizeof font.elfScript, script.name);
        TEXTMETRICA metrics{};
        metrics.tmHeight = 12;
        metrics.tmCharSet = charSet;
        result = callback(&font.elfLogFont, &metrics, TRUETYPE_FONTTYPE, param);
        if (!result) break;
    }
    return result;
}
