// Font and text calls: creating fonts, measuring, TextOut, ExtTextOut and DrawText.
#include "win32/CtlText.h"
#include "win32/fonts/Font.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiDc.h"
#include "win32/fonts/GdiFont.h"
#include "win32/gdi/GdiPainter.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

GdiDc* Dc(HDC dc) { return GdiObject::From<GdiDc>(dc); }

const GdiFont* FontOf(const GdiDc& d) { return d.Current().font; }

// Fills the cell behind the text in the background colour when the mode is opaque.
void FillBackground(GdiDc& d, GdiPainter& painter, const RECT& r)
{
    uint32_t bk = GdiPainter::FromColorRef(d.Current().bkColor);
    painter.Fill(r, [bk](int, int, uint32_t) { return bk; });
}

// Draws text with its cell's top-left corner at (x, y), logical coordinates.
void DrawRun(GdiDc& d, int x, int y, const std::u32string& text, const RECT* clip, bool opaque)
{
    const GdiFont* font = FontOf(d);
    if (!font) return;
    int width = font->Measure(text);
    TEXTMETRICA m = font->Metrics();
    POINT p = d.ToDevice(x, y);
    RECT cell{p.x, p.y, p.x + width, p.y + m.tmHeight};
    RECT bounds = cell;
    if (clip) {
        RECT c = d.ToDevice(*clip);
        bounds = RECT{std::max(cell.left, c.left), std::max(cell.top, c.top), std::min(cell.right, c.right),
                      std::min(cell.bottom, c.bottom)};
        if (bounds.left >= bounds.right || bounds.top >= bounds.bottom) return;
    }
    GdiPainter painter(d, bounds);
    if (!painter.Ok()) return;
    if (opaque) FillBackground(d, painter, bounds);
    font->Draw(painter, p.x, p.y, text, GdiPainter::FromColorRef(d.Current().textColor));
}

// Places text by the DC's alignment; returns the top-left corner of its cell.
POINT Align(const GdiDc& d, int x, int y, int width)
{
    UINT align = d.Current().textAlign;
    TEXTMETRICA m = FontOf(d)->Metrics();
    if ((align & TA_CENTER) == TA_CENTER) x -= width / 2;
    else if (align & TA_RIGHT) x -= width;
    if ((align & TA_BASELINE) == TA_BASELINE) y -= m.tmAscent;
    else if (align & TA_BOTTOM) y -= m.tmHeight;
    return POINT{x, y};
}

struct Line {
    std::u32string text;
    int underline = -1;  // index of the character after '&'
};

// Removes '&' prefixes ("&&" stays one '&').
Line StripPrefix(const std::u32string& text, bool noPrefix)
{
    Line line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!noPrefix && text[i] == U'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != U'&') line.underline = static_cast<int>(line.text.size());
        }
        line.text.push_back(text[i]);
    }
    return line;
}

std::vector<Line> BreakLines(const GdiFont& font, const std::u32string& text, UINT format, int width)
{
    std::vector<Line> lines;
    bool noPrefix = format & DT_NOPREFIX;
    std::u32string all = text;
    if (format & DT_EXPANDTABS) {
        std::u32string out;
        for (char32_t c : all) out += c == U'\t' ? std::u32string(8, U' ') : std::u32string(1, c);
        all = out;
    }
    if (format & DT_SINGLELINE) {
        std::u32string one;
        for (char32_t c : all)
            if (c != U'\r' && c != U'\n') one.push_back(c);
        lines.push_back(StripPrefix(one, noPrefix));
        return lines;
    }
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find(U'\n', start);
        std::u32string para = all.substr(start, end == std::u32string::npos ? std::u32string::npos : end - start);
        if (!para.empty() && para.back() == U'\r') para.pop_back();
        if (!(format & DT_WORDBREAK)) {
            lines.push_back(StripPrefix(para, noPrefix));
        } else {
            // Greedy breaking at spaces; a word longer than the line stands alone.
            std::u32string current;
            size_t i = 0;
            while (i < para.size()) {
                size_t next = para.find(U' ', i);
                std::u32string word = para.substr(i, next == std::u32string::npos ? std::u32string::npos : next - i);
                std::u32string candidate = current.empty() ? word : current + U' ' + word;
                if (!current.empty() && font.Measure(StripPrefix(candidate, noPrefix).text) > width) {
                    lines.push_back(StripPrefix(current, noPrefix));
                    current = word;
                } else {
                    current = candidate;
                }
                if (next == std::u32string::npos) break;
                i = next + 1;
            }
            lines.push_back(StripPrefix(current, noPrefix));
        }
        if (end == std::u32string::npos) break;
        start = end + 1;
    }
    return lines;
}

void Ellipsize(const GdiFont& font, Line& line, int width)
{
    if (font.Measure(line.text) <= width) return;
    const std::u32string dots = U"...";
    while (!line.text.empty() && font.Measure(line.text + dots) > width) line.text.pop_back();
    line.text += dots;
}

}

HFONT CreateFontIndirectA(const LOGFONTA* font)
{
    if (!font) return nullptr;
    return ToHandle<HFONT>(new GdiFont(*font));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                  DWORD pitchAndFamily, const char* faceName)
{
    LOGFONTA f{};
    f.lfHeight = height;
    f.lfWidth = width;
    f.lfEscapement = escapement;
    f.lfOrientation = orientation;
    f.lfWeight = weight;
    f.lfItalic = static_cast<BYTE>(italic != 0);
    f.lfUnderline = static_cast<BYTE>(underline != 0);
    f.lfStrikeOut = static_cast<BYTE>(strikeOut != 0);
    f.lfCharSet = static_cast<BYTE>(charSet);
    f.lfOutPrecision = static_cast<BYTE>(outPrecision);
    f.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    f.lfQuality = static_cast<BYTE>(quality);
    f.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) std::strncpy(f.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&f);
}

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size)
{
    GdiDc* d = Dc(dc);
    if (!d || !size || count < 0 || (!text && count > 0) || !FontOf(*d)) return FALSE;
    const GdiFont* font = FontOf(*d);
    size->cx = font->Measure(GdiFont::Decode(text, count));
    size->cy = font->Metrics().tmHeight;
    return TRUE;
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics)
{
    GdiDc* d = Dc(dc);
    if (!d || !metrics || !FontOf(*d)) return FALSE;
    *metrics = FontOf(*d)->Metrics();
    return TRUE;
}

int GetTextFaceA(HDC dc, int size, char* name)
{
    GdiDc* d = Dc(dc);
    if (!d || !FontOf(*d)) return 0;
    std::string face = FontOf(*d)->FaceName();
    if (!name) return static_cast<int>(face.size()) + 1;
    return CtlCopyOut(face, name, size);
}

int GetTextCharset(HDC dc)
{
    GdiDc* d = Dc(dc);
    if (!d || !FontOf(*d)) return DEFAULT_CHARSET;
    return FontOf(*d)->Logical().lfCharSet;
}

UINT SetTextAlign(HDC dc, UINT align)
{
    GdiDc* d = Dc(dc);
    if (!d) return 0xFFFFFFFF;
    return std::exchange(d->Current().textAlign, align);
}

UINT GetTextAlign(HDC dc)
{
    GdiDc* d = Dc(dc);
    return d ? d->Current().textAlign : 0xFFFFFFFF;
}

BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const INT*)
{
    GdiDc* d = Dc(dc);
    if (!d || !FontOf(*d) || (!text && count > 0)) return FALSE;
    // The rectangle counts whichever way round its corners are given.
    RECT ordered{};
    if (rect) {
        ordered = RECT{std::min(rect->left, rect->right), std::min(rect->top, rect->bottom),
                       std::max(rect->left, rect->right), std::max(rect->top, rect->bottom)};
        rect = &ordered;
    }
    if ((options & ETO_OPAQUE) && rect) {
        RECT r = d->ToDevice(*rect);
        GdiPainter painter(*d, r);
        if (painter.Ok()) FillBackground(*d, painter, r);
    }
    std::u32string decoded = GdiFont::Decode(text, static_cast<int>(count));
    bool updateCp = d->Current().textAlign & TA_UPDATECP;
    if (updateCp) x = d->Current().position.x, y = d->Current().position.y;
    int width = FontOf(*d)->Measure(decoded);
    POINT at = Align(*d, x, y, width);
    DrawRun(*d, at.x, at.y, decoded, (options & ETO_CLIPPED) ? rect : nullptr,
            d->Current().bkMode == OPAQUE && !(options & ETO_OPAQUE));
    if (updateCp) d->Current().position.x = x + width;
    return TRUE;
}

BOOL TextOutA(HDC dc, int x, int y, const char* text, int count)
{
    if (count < 0) return FALSE;
    return ExtTextOutA(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format)
{
    GdiDc* d = Dc(dc);
    if (!d || !rect || !FontOf(*d) || (!text && count != 0)) return 0;
    const GdiFont& font = *FontOf(*d);
    int lineHeight = font.Metrics().tmHeight;
    int width = rect->right - rect->left;
    std::vector<Line> lines = BreakLines(font, GdiFont::Decode(text, count), format, width);
    if ((format & DT_SINGLELINE) && (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS)) &&
        !(format & DT_CALCRECT))
        Ellipsize(font, lines.front(), width);
    int height = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& line : lines) widest = std::max(widest, font.Measure(line.text));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }
    int y = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) y = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
        else if (format & DT_BOTTOM) y = rect->bottom - lineHeight;
    }
    bool opaque = d->Current().bkMode == OPAQUE;
    const RECT* clip = (format & DT_NOCLIP) ? nullptr : rect;
    for (const Line& line : lines) {
        std::vector<int> advances;
        int w = font.Measure(line.text, &advances);
        int x = rect->left;
        if (format & DT_CENTER) x = rect->left + (width - w) / 2;
        else if (format & DT_RIGHT) x = rect->right - w;
        DrawRun(*d, x, y, line.text, clip, opaque);
        if (line.underline >= 0 && line.underline < static_cast<int>(advances.size())) {
            int ux = x;
            for (int i = 0; i < line.underline; ++i) ux += advances[static_cast<size_t>(i)];
            POINT p = d->ToDevice(ux, y + font.Metrics().tmAscent + 1);
            GdiPainter painter(*d, RECT{p.x, p.y, p.x + advances[static_cast<size_t>(line.underline)], p.y + 1});
            uint32_t color = GdiPainter::FromColorRef(d->Current().textColor);
            for (int i = 0; i < advances[static_cast<size_t>(line.underline)]; ++i) painter.Plot(p.x + i, p.y, color, 13);
        }
        y += lineHeight;
    }
    return height;
}
