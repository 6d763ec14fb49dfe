#include "win32/controls/CtlRtf.h"
#include "win32/CtlText.h"
#include "win32/controls/RichEdit.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void Escape(std::string& out, char16_t c)
{
    if (c == u'\\' || c == u'{' || c == u'}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == u'\t') {
        out += "\\tab ";
    } else if (c == u'\v') {
        out += "\\line ";
    } else if (c >= 0x20 && c < 0x80) {
        out += static_cast<char>(c);
    } else {
        // Control characters and everything beyond ASCII travel as \u escapes.
        char buf[16];
        std::snprintf(buf, sizeof buf, "\\u%d?", static_cast<int>(static_cast<int16_t>(c)));
        out += buf;
    }
}

void EscapeName(std::string& out, const std::string& name)
{
    for (char16_t c : CtlWiden(name)) {
        if (c == u'\\' || c == u'{' || c == u'}' || c == u';' || c < 0x20) continue;
        Escape(out, c);
    }
}

} // namespace

std::string CtlWriteRtf(const CtlRichText& doc)
{
    std::vector<std::pair<std::string, BYTE>> fonts;
    std::vector<COLORREF> colours;
    auto fontOf = [&](const CtlCharFormat& f) {
        auto key = std::make_pair(f.face, f.charSet);
        auto it = std::find(fonts.begin(), fonts.end(), key);
        if (it != fonts.end()) return static_cast<int>(it - fonts.begin());
        fonts.push_back(key);
        return static_cast<int>(fonts.size() - 1);
    };
    auto colourOf = [&](const CtlCharFormat& f) {
        if (f.effects & CFE_AUTOCOLOR) return 0;
        auto it = std::find(colours.begin(), colours.end(), f.color);
        if (it != colours.end()) return static_cast<int>(it - colours.begin()) + 1;
        colours.push_back(f.color);
        return static_cast<int>(colours.size());
    };
    CtlCharFormat first = doc.charFormat.empty() ? CtlCharFormat{} : doc.FormatOf(0);
    fontOf(first);
    for (const auto& f : doc.formats) {
        fontOf(f);
        colourOf(f);
    }

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    char buf[96];
    for (size_t i = 0; i < fonts.size(); ++i) {
        std::snprintf(buf, sizeof buf, "{\\f%zu\\fnil\\fcharset%u ", i, static_cast<unsigned>(fonts[i].second));
        out += buf;
        EscapeName(out, fonts[i].first);
        out += ";}";
    }
    out += "}\r\n";
    if (!colours.empty()) {
        out += "{\\colortbl ;";
        for (COLORREF c : colours) {
            std::snprintf(buf, sizeof buf, "\\red%u\\green%u\\blue%u;", GetRValue(c), GetGValue(c), GetBValue(c));
            out += buf;
        }
        out += "}\r\n";
    }
    out += "\\uc1";

    size_t para = 0;
    bool paraStart = true;
    bool haveRun = false;
    CtlCharFormat run;
    auto writePara = [&]() {
        CtlParaFormat p = para < doc.paraFormats.size() ? doc.paraFormats[para] : CtlParaFormat{};
        out += "\\pard";
        switch (p.alignment) {
        case PFA_RIGHT: out += "\\qr"; break;
        case PFA_CENTER: out += "\\qc"; break;
        case PFA_JUSTIFY: out += "\\qj"; break;
        default: out += "\\ql"; break;
        }
        if (p.startIndent) { std::snprintf(buf, sizeof buf, "\\li%d", static_cast<int>(p.startIndent)); out += buf; }
        if (p.rightIndent) { std::snprintf(buf, sizeof buf, "\\ri%d", static_cast<int>(p.rightIndent)); out += buf; }
        if (p.offset) { std::snprintf(buf, sizeof buf, "\\fi%d", static_cast<int>(p.offset)); out += buf; }
        out += ' ';
    };
    auto writeRun = [&](const CtlCharFormat& f) {
        std::string codes;
        auto flag = [&](DWORD bit, const char* on, const char* off) {
            if (haveRun && (run.effects & bit) == (f.effects & bit)) return;
            if (!haveRun && !(f.effects & bit)) return;
            codes += (f.effects & bit) ? on : off;
        };
        if (!haveRun || run.face != f.face || run.charSet != f.charSet) {
            std::snprintf(buf, sizeof buf, "\\f%d", fontOf(f));
            codes += buf;
        }
        if (!haveRun || run.height != f.height) {
            std::snprintf(buf, sizeof buf, "\\fs%d", static_cast<int>(f.height / 10));
            codes += buf;
        }
        if (!haveRun || run.color != f.color || (run.effects & CFE_AUTOCOLOR) != (f.effects & CFE_AUTOCOLOR)) {
            int c = colourOf(f);
            if (haveRun || c != 0) {
                std::snprintf(buf, sizeof buf, "\\cf%d", c);
                codes += buf;
            }
        }
        flag(CFE_BOLD, "\\b", "\\b0");
        flag(CFE_ITALIC, "\\i", "\\i0");
        flag(CFE_UNDERLINE, "\\ul", "\\ulnone");
        flag(CFE_STRIKEOUT, "\\strike", "\\strike0");
        if (!codes.empty()) out += codes + ' ';
        run = f;
        haveRun = true;
    };

    for (size_t i = 0; i < doc.text.size(); ++i) {
        if (paraStart) {
            writePara();
            paraStart = false;
        }
        const CtlCharFormat& f = i < doc.charFormat.size() ? doc.FormatOf(i) : first;
        if (!haveRun || !(run == f)) writeRun(f);
        char16_t c = doc.text[i];
        if (c == u'\r') {
            out += "\\par\r\n";
            ++para;
            paraStart = true;
        } else {
            Escape(out, c);
        }
    }
    if (paraStart) writePara();
    if (!haveRun) writeRun(first);
    out += "\\par\r\n}\r\n";
    return out;
}
