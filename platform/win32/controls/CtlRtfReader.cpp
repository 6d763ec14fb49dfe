#include "win32/controls/CtlRtf.h"
#include "win32/CodePage.h"
#include "win32/CtlText.h"
#include "win32/controls/RichEdit.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

constexpr int kMaxDepth = 1000;

enum class Dest { Text, Skip, FontTable, ColorTable };

struct Font {
    std::string name;
    BYTE charSet = 0;
};

struct State {
    CtlCharFormat chr;
    CtlParaFormat para;
    Dest dest = Dest::Text;
    int unicodeSkip = 1;
    int fontNumber = 0;
    int font = -1; // -1: the default font
    bool colourAuto = true;
};

// Windows-1252 in 0x80..0x9F; the rest of the byte range maps as Latin-1.
constexpr char16_t kCp1252[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

class Reader {
public:
    Reader(std::string_view data, const CtlCharFormat& base, CtlRichText& out, size_t maxChars)
        : m_in(data), m_out(out), m_maxChars(maxChars)
    {
        m_state.chr = base;
        m_base = base;
    }

    bool Run()
    {
        if (m_in.substr(0, 5) != "{\\rtf") return false;
        int depth = 0;
        while (m_pos < m_in.size()) {
            char c = m_in[m_pos++];
            if (c == '{') {
                FlushBytes();
                if (depth >= kMaxDepth) return false;
                m_stack.push_back(m_state);
                ++depth;
                if (m_state.dest == Dest::FontTable) m_pendingFont.clear();
            } else if (c == '}') {
                FlushBytes();
                if (m_state.dest == Dest::FontTable) FinishFont();
                // The outermost group's end keeps its state for the last paragraph.
                if (depth <= 1) break;
                m_state = m_stack.back();
                m_stack.pop_back();
                --depth;
            } else if (c == '\\') {
                ControlWord();
            } else if (c == '\r' || c == '\n' || c == '\0') {
                // Line ends of the file carry no text.
            } else {
                Byte(static_cast<unsigned char>(c));
            }
        }
        FlushBytes();
        m_out.paraFormats.push_back(m_state.para);
        return true;
    }

private:
    void ControlWord()
    {
        if (m_pos >= m_in.size()) return;
        char c = m_in[m_pos];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_pos;
            Symbol(c);
            return;
        }
        size_t start = m_pos;
        while (m_pos < m_in.size() && std::isalpha(static_cast<unsigned char>(m_in[m_pos])) && m_pos - start < 32) ++m_pos;
        std::string word(m_in.substr(start, m_pos - start));
        bool hasValue = false;
        long value = 0;
        size_t numStart = m_pos;
        if (m_pos < m_in.size() && (m_in[m_pos] == '-' || std::isdigit(static_cast<unsigned char>(m_in[m_pos])))) {
            ++m_pos;
            while (m_pos < m_in.size() && std::isdigit(static_cast<unsigned char>(m_in[m_pos])) && m_pos - numStart < 11) ++m_pos;
            std::string digits(m_in.substr(numStart, m_pos - numStart));
            value = std::strtol(digits.c_str(), nullptr, 10);
            hasValue = digits != "-";
        }
        if (m_pos < m_in.size() && m_in[m_pos] == ' ') ++m_pos;
        Word(word, hasValue ? value : 1, hasValue);
    }

    void Symbol(char c)
    {
        switch (c) {
        case '\\': case '{': case '}': Byte(static_cast<unsigned char>(c)); break;
        case '~': Char(0x00A0); break;
        case '_': Char(0x2011); break;
        case '\r': case '\n': Paragraph(); break;
        case '*': if (m_state.dest == Dest::Text) m_state.dest = Dest::Skip; break;
        case '\'': {
            if (m_pos + 2 > m_in.size()) { m_pos = m_in.size(); return; }
            std::string hex(m_in.substr(m_pos, 2));
            m_pos += 2;
            char* end = nullptr;
            long v = std::strtol(hex.c_str(), &end, 16);
            if (end == hex.c_str() + 2) Byte(static_cast<unsigned char>(v), true);
            break;
        }
        default: break;
        }
    }

    void Word(const std::string& w, long v, bool hasValue)
    {
        CtlCharFormat& f = m_state.chr;
        auto effect = [&](DWORD bit) { f.effects = v ? (f.effects | bit) : (f.effects & ~bit); };
        if (w == "par") { Paragraph(); return; }
        if (w == "line") { Char(u'\v'); return; }
        if (w == "tab") { Char(u'\t'); return; }
        if (w == "u" && m_state.dest == Dest::FontTable) {
            char16_t c = static_cast<char16_t>(static_cast<int16_t>(v));
            m_pendingFont += CtlNarrow(std::u16string_view(&c, 1));
            m_skip = m_state.unicodeSkip;
            return;
        }
        if (w == "u") {
            FlushBytes();
            Char(static_cast<char16_t>(static_cast<int16_t>(v)));
            m_skip = m_state.unicodeSkip;
            return;
        }
        static const std::map<std::string, char16_t> kSpecials = {
            {"emdash", 0x2014}, {"endash", 0x2013}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}};
        if (auto it = kSpecials.find(w); it != kSpecials.end()) { Char(it->second); return; }
        if (w == "uc") { m_state.unicodeSkip = std::clamp<int>(static_cast<int>(v), 0, 8); return; }
        if (w == "bin") {
            FlushBytes();
            size_t n = hasValue && v > 0 ? static_cast<size_t>(v) : 0;
            m_pos = std::min(m_in.size(), m_pos + n);
            return;
        }
        if (w == "ansicpg") { m_codePage = v; return; }
        if (w == "deff") { m_defaultFont = static_cast<int>(v); return; }
        if (w == "fonttbl") { m_state.dest = Dest::FontTable; return; }
        if (w == "colortbl") { m_state.dest = Dest::ColorTable; m_colours.clear(); m_red = m_green = m_blue = 0; m_colourSeen = false; return; }
        static const char* kSkipped[] = {"stylesheet", "info", "pict", "object", "header", "footer", "headerl",
                                         "headerr", "footerl", "footerr", "fldinst", "themedata", "colorschememapping",
                                         "latentstyles", "listtable", "listoverridetable", "rsidtbl", "xmlnstbl",
                                         "generator", "datastore", "footnote", "annotation", "filetbl", "revtbl"};
        for (const char* s : kSkipped)
            if (w == s) { m_state.dest = Dest::Skip; return; }

        if (m_state.dest == Dest::FontTable) {
            if (w == "f") m_state.fontNumber = static_cast<int>(v);
            else if (w == "fcharset") m_fontCharSet = static_cast<BYTE>(v);
            return;
        }
        if (m_state.dest == Dest::ColorTable) {
            if (w == "red") m_red = static_cast<int>(v);
            else if (w == "green") m_green = static_cast<int>(v);
            else if (w == "blue") m_blue = static_cast<int>(v);
            m_colourSeen = true;
            return;
        }
        if (m_state.dest != Dest::Text) return;

        if (w == "plain") { f = m_base; m_state.font = -1; }
        else if (w == "b") effect(CFE_BOLD);
        else if (w == "i") effect(CFE_ITALIC);
        else if (w == "ul") effect(CFE_UNDERLINE);
        else if (w == "ulnone") f.effects &= ~CFE_UNDERLINE;
        else if (w == "strike") effect(CFE_STRIKEOUT);
        else if (w == "f") ApplyFont(static_cast<int>(v));
        else if (w == "fs") { if (v > 0 && v < 3276) f.height = static_cast<LONG>(v * 10); }
        else if (w == "cf") ApplyColour(static_cast<int>(v));
        else if (w == "pard") m_state.para = CtlParaFormat{};
        else if (w == "ql") m_state.para.alignment = PFA_LEFT;
        else if (w == "qr") m_state.para.alignment = PFA_RIGHT;
        else if (w == "qc") m_state.para.alignment = PFA_CENTER;
        else if (w == "qj") m_state.para.alignment = PFA_JUSTIFY;
        else if (w == "li") m_state.para.startIndent = static_cast<LONG>(v);
        else if (w == "ri") m_state.para.rightIndent = static_cast<LONG>(v);
        else if (w == "fi") m_state.para.offset = static_cast<LONG>(v);
    }

    void ApplyFont(int number)
    {
        auto it = m_fonts.find(number);
        if (it == m_fonts.end()) return;
        m_state.font = number;
        m_state.chr.face = it->second.name;
        m_state.chr.charSet = it->second.charSet;
    }

    void ApplyColour(int index)
    {
        CtlCharFormat& f = m_state.chr;
        if (index <= 0 || index >= static_cast<int>(m_colours.size()) || m_colours[static_cast<size_t>(index)] == CLR_AUTO) {
            f.effects |= CFE_AUTOCOLOR;
            f.color = 0;
            return;
        }
        f.effects &= ~CFE_AUTOCOLOR;
        f.color = m_colours[static_cast<size_t>(index)];
    }

    static constexpr COLORREF CLR_AUTO = 0xFFFFFFFF;

    // A plain byte of text, or of a \' escape, in the document's code page.
    void Byte(unsigned char b, bool escaped = false)
    {
        if (m_state.dest == Dest::ColorTable) {
            if (b == ';') {
                m_colours.push_back(m_colourSeen ? RGB(m_red, m_green, m_blue) : CLR_AUTO);
                m_red = m_green = m_blue = 0;
                m_colourSeen = false;
            }
            return;
        }
        if (m_state.dest == Dest::FontTable) {
            if (m_skip > 0 && b != ';') {
                --m_skip;
                return;
            }
            m_skip = 0;
            if (b == ';') FinishFont();
            else m_pendingFont += static_cast<char>(b);
            return;
        }
        if (m_state.dest != Dest::Text) return;
        if (m_skip > 0) { --m_skip; return; }
        if (!escaped && b < 0x20) return;
        if (m_codePage == CP_UTF8) { m_bytes += static_cast<char>(b); return; }
        if (b < 0x80) Emit(b);
        else if (b < 0xA0) Emit(kCp1252[b - 0x80]);
        else Emit(b);
    }

    void FlushBytes()
    {
        if (m_bytes.empty()) return;
        for (char16_t c : CtlWiden(m_bytes)) Emit(c);
        m_bytes.clear();
    }

    void FinishFont()
    {
        if (m_state.dest != Dest::FontTable) return;
        std::string name = m_pendingFont;
        while (!name.empty() && name.front() == ' ') name.erase(name.begin());
        if (!name.empty()) m_fonts[m_state.fontNumber] = Font{name.substr(0, 31), m_fontCharSet};
        m_pendingFont.clear();
        m_fontCharSet = 0;
    }

    void Char(char16_t c)
    {
        if (m_state.dest != Dest::Text) return;
        FlushBytes();
        if (m_skip > 0) { --m_skip; return; }
        Emit(c);
    }

    void Emit(char16_t c)
    {
        if (m_out.text.size() >= m_maxChars) return;
        if (m_state.font < 0) {
            // Text before any \f is in the document's default font.
            auto it = m_fonts.find(m_defaultFont);
            if (it != m_fonts.end()) {
                CtlCharFormat f = m_state.chr;
                f.face = it->second.name;
                f.charSet = it->second.charSet;
                m_out.Append(c, f);
                return;
            }
        }
        m_out.Append(c, m_state.chr);
    }

    void Paragraph()
    {
        if (m_state.dest != Dest::Text) return;
        FlushBytes();
        if (m_out.text.size() >= m_maxChars) return;
        Emit(u'\r');
        m_out.paraFormats.push_back(m_state.para);
    }

    std::string_view m_in;
    size_t m_pos = 0;
    CtlRichText& m_out;
    size_t m_maxChars;
    State m_state;
    CtlCharFormat m_base;
    std::vector<State> m_stack;
    std::map<int, Font> m_fonts;
    std::string m_pendingFont;
    BYTE m_fontCharSet = 0;
    int m_defaultFont = 0;
    std::vector<COLORREF> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourSeen = false;
    long m_codePage = 1252;
    std::string m_bytes;
    int m_skip = 0;
};

} // namespace

bool CtlReadRtf(std::string_view data, const CtlCharFormat& base, CtlRichText& out, size_t maxChars)
{
    out = CtlRichText{};
    Reader reader(data, base, out, maxChars);
    if (reader.Run()) return true;
    out = CtlRichText{};
    return false;
}
