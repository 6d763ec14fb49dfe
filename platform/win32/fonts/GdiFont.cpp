#include "win32/fonts/GdiFont.h"

#include "win32/CodePage.h"
#include "win32/gdi/GdiPainter.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// FreeType faces and the library are not thread-safe; every use goes through this lock.
std::mutex& FontLock()
{
    static std::mutex* lock = new std::mutex;
    return *lock;
}

FT_Library Library()
{
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib)) lib = nullptr;
        return lib;
    }();
    return library;
}

FT_Face AsFace(void* face) { return static_cast<FT_Face>(face); }

constexpr int kDefaultPixels = 13;

}

GdiFont::GdiFont(const LOGFONTA& font) : GdiObject(GdiKind::Font), mLog(font)
{
    mLog.lfFaceName[LF_FACESIZE - 1] = '\0';
    std::lock_guard<std::mutex> guard(FontLock());
    Load();
}

GdiFont::~GdiFont()
{
    std::lock_guard<std::mutex> guard(FontLock());
    if (mFace) FT_Done_Face(AsFace(mFace));
}

GdiFont* GdiFont::CreateStock(const char* face, int height, int weight)
{
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    auto* created = new GdiFont(font);
    created->MarkStock();
    return created;
}

void GdiFont::Load()
{
    mFamily = mLog.lfFaceName;
    std::string file;
    int index = 0;
    if (FcInit()) {
        FcPattern* pattern = FcPatternCreate();
        const char* family = mLog.lfFaceName[0] ? mLog.lfFaceName
                             : (mLog.lfPitchAndFamily & 3) == FIXED_PITCH ? "Monospace" : "Sans";
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
        int weight = mLog.lfWeight ? static_cast<int>(mLog.lfWeight) : FW_NORMAL;
        FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
        FcPatternAddInteger(pattern, FC_SLANT, mLog.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
            FcChar8* path = nullptr;
            FcChar8* matched = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) file = reinterpret_cast<char*>(path);
            if (FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch && mFamily.empty())
                mFamily = reinterpret_cast<char*>(matched);
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    FT_Face face = nullptr;
    if (!file.empty() && Library() && FT_New_Face(Library(), file.c_str(), index, &face)) face = nullptr;

    int pixels = mLog.lfHeight < 0 ? -mLog.lfHeight : kDefaultPixels;
    if (face && mLog.lfHeight > 0 && face->units_per_EM && face->ascender - face->descender > 0)
        pixels = std::max(1, static_cast<int>(std::lround(double(mLog.lfHeight) * face->units_per_EM /
                                                          (face->ascender - face->descender))));
    pixels = std::clamp(pixels, 1, 2000);
    if (face && FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels))) {
        FT_Done_Face(face);
        face = nullptr;
    }
    mFace = face;

    TEXTMETRICA& m = mMetrics;
    if (face) {
        m.tmAscent = static_cast<LONG>((face->size->metrics.ascender + 63) / 64);
        m.tmDescent = static_cast<LONG>((-face->size->metrics.descender + 63) / 64);
        m.tmMaxCharWidth = static_cast<LONG>((face->size->metrics.max_advance + 63) / 64);
    } else {
        m.tmAscent = pixels * 4 / 5;
        m.tmDescent = pixels - m.tmAscent;
        m.tmMaxCharWidth = pixels;
    }
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = std::max<LONG>(0, m.tmHeight - pixels);
    m.tmAveCharWidth = std::max(1, Advance(U'x'));
    m.tmWeight = mLog.lfWeight ? mLog.lfWeight : FW_NORMAL;
    m.tmItalic = mLog.lfItalic ? 1 : 0;
    m.tmUnderlined = mLog.lfUnderline ? 1 : 0;
    m.tmStruckOut = mLog.lfStrikeOut ? 1 : 0;
    m.tmFirstChar = 32;
    m.tmLastChar = 255;
    m.tmDefaultChar = '?';
    m.tmBreakChar = ' ';
    m.tmDigitizedAspectX = m.tmDigitizedAspectY = 96;
    m.tmCharSet = mLog.lfCharSet;
    bool fixed = face && FT_IS_FIXED_WIDTH(face);
    // The low bit set means variable pitch, as the platform has it.
    m.tmPitchAndFamily = static_cast<BYTE>((fixed ? 0 : 1) | 6);
}

int GdiFont::Advance(char32_t c) const
{
    FT_Face face = AsFace(mFace);
    if (!face) return std::max(1, mMetrics.tmHeight / 2);
    if (FT_Load_Char(face, c, FT_LOAD_DEFAULT)) return 0;
    return static_cast<int>((face->glyph->advance.x + 32) / 64);
}

int GdiFont::Measure(const std::u32string& text, std::vector<int>* advances) const
{
    std::lock_guard<std::mutex> guard(FontLock());
    int width = 0;
    for (char32_t c : text) {
        int a = Advance(c);
        if (advances) advances->push_back(a);
        width += a;
    }
    return width;
}

void GdiFont::Draw(GdiPainter& painter, int x, int y, const std::u32string& text, uint32_t rgb) const
{
    std::lock_guard<std::mutex> guard(FontLock());
    int baseline = y + mMetrics.tmAscent;
    int penX = x;
    FT_Face face = AsFace(mFace);
    for (char32_t c : text) {
        if (!face) break;
        if (FT_Load_Char(face, c, FT_LOAD_RENDER)) continue;
        FT_GlyphSlot glyph = face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        int left = penX + glyph->bitmap_left, top = baseline - glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const unsigned char* src = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
            for (unsigned col = 0; col < bitmap.width; ++col) {
                unsigned a = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((src[col / 8] >> (7 - col % 8)) & 1) * 255
                                                                     : src[col];
                int px = left + static_cast<int>(col), py = top + static_cast<int>(row);
                if (!a || !painter.Visible(px, py)) continue;
                uint32_t d = painter.Read(px, py), out = 0;
                for (int shift = 0; shift < 24; shift += 8) {
                    unsigned f = (rgb >> shift) & 0xFF, b = (d >> shift) & 0xFF;
                    out |= ((f * a + b * (255 - a) + 127) / 255) << shift;
                }
                painter.Write(px, py, out);
            }
        }
        penX += static_cast<int>((glyph->advance.x + 32) / 64);
    }
    int width = penX - x;
    auto line = [&](int yy, int thickness) {
        for (int t = 0; t < thickness; ++t)
            for (int xx = x; xx < x + width; ++xx) painter.Plot(xx, yy + t, rgb, 13);
    };
    int thickness = std::max(1, mMetrics.tmHeight / 14);
    if (mLog.lfUnderline) line(baseline + 1, thickness);
    if (mLog.lfStrikeOut) line(baseline - mMetrics.tmAscent / 3, thickness);
}

std::u32string GdiFont::Decode(const char* text, int count)
{
    std::u32string out;
    if (!text) return out;
    if (count < 0) count = static_cast<int>(std::strlen(text));
    int n = MultiByteToWideChar(CP_UTF8, 0, text, count, nullptr, 0);
    std::u16string wide(static_cast<size_t>(std::max(0, n)), u'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text, count, wide.data(), n);
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
        out.push_back(c);
    }
    return out;
}

// fontconfig keeps a few blocks it allocates while parsing its configuration unreachable;
// they are not ours to free, so leak checking leaves them out.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
