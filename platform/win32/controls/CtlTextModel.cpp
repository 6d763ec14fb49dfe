#include "win32/controls/CtlTextModel.h"
#include "win32/controls/RichEdit.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Undo snapshots of long texts are dropped oldest first beyond this many characters in all.
constexpr size_t kUndoCharBudget = size_t{8} << 20;

constexpr DWORD kEffectBits[] = {CFE_BOLD, CFE_ITALIC, CFE_UNDERLINE, CFE_STRIKEOUT, CFE_PROTECTED, CFE_LINK};

CtlCharFormat Merge(CtlCharFormat base, const CtlCharFormat& values, DWORD mask)
{
    for (DWORD bit : kEffectBits)
        if (mask & bit) base.effects = (base.effects & ~bit) | (values.effects & bit);
    if (mask & CFM_COLOR) {
        base.color = values.color;
        base.effects = (base.effects & ~CFE_AUTOCOLOR) | (values.effects & CFE_AUTOCOLOR);
    }
    if (mask & CFM_SIZE) base.height = values.height;
    if (mask & CFM_OFFSET) base.offset = values.offset;
    if (mask & CFM_FACE) {
        base.face = values.face;
        base.pitchAndFamily = values.pitchAndFamily;
    }
    if (mask & CFM_CHARSET) base.charSet = values.charSet;
    return base;
}

// The CFM_ bits of the properties in which a and b agree.
DWORD Agreement(const CtlCharFormat& a, const CtlCharFormat& b)
{
    DWORD mask = 0;
    for (DWORD bit : kEffectBits)
        if ((a.effects & bit) == (b.effects & bit)) mask |= bit;
    if (a.color == b.color && (a.effects & CFE_AUTOCOLOR) == (b.effects & CFE_AUTOCOLOR)) mask |= CFM_COLOR;
    if (a.height == b.height) mask |= CFM_SIZE;
    if (a.offset == b.offset) mask |= CFM_OFFSET;
    if (a.face == b.face) mask |= CFM_FACE;
    if (a.charSet == b.charSet) mask |= CFM_CHARSET;
    return mask;
}

CtlParaFormat MergePara(CtlParaFormat base, const CtlParaFormat& values, DWORD mask)
{
    if (mask & PFM_ALIGNMENT) base.alignment = values.alignment;
    if (mask & PFM_STARTINDENT) base.startIndent = values.startIndent;
    if (mask & PFM_RIGHTINDENT) base.rightIndent = values.rightIndent;
    if (mask & PFM_OFFSET) base.offset = values.offset;
    return base;
}

DWORD ParaAgreement(const CtlParaFormat& a, const CtlParaFormat& b)
{
    DWORD mask = 0;
    if (a.alignment == b.alignment) mask |= PFM_ALIGNMENT;
    if (a.startIndent == b.startIndent) mask |= PFM_STARTINDENT;
    if (a.rightIndent == b.rightIndent) mask |= PFM_RIGHTINDENT;
    if (a.offset == b.offset) mask |= PFM_OFFSET;
    return mask;
}

} // namespace

struct CtlTextModel::Snapshot {
    std::u16string text;
    std::vector<uint32_t> charIndex;
    std::vector<uint32_t> paraIndex;
    uint32_t lastPara;
    LONG anchor;
    LONG caret;
};

CtlTextModel::CtlTextModel()
{
    m_formats.push_back(m_default);
    m_paras.push_back(CtlParaFormat{});
}

CtlTextModel::~CtlTextModel() = default;

std::u16string CtlTextModel::Range(LONG start, LONG end) const
{
    LONG n = Length();
    start = std::clamp<LONG>(start, 0, n);
    end = end < 0 ? n : std::clamp<LONG>(end, 0, n);
    if (end < start) std::swap(start, end);
    return m_text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
}

std::u16string CtlTextModel::Normalize(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        out += (c == u'\n') ? u'\r' : c;
    }
    return out;
}

void CtlTextModel::SetSelection(LONG anchor, LONG caret)
{
    LONG n = Length();
    if (caret < 0) caret = n;
    caret = std::min(caret, n);
    anchor = anchor < 0 ? caret : std::min(anchor, n);
    if (anchor == m_anchor && caret == m_caret) return;
    m_anchor = anchor;
    m_caret = caret;
    m_insert.reset();
    m_typingOpen = false;
    ++m_serial;
}

void CtlTextModel::SetLimit(LONG limit)
{
    m_limit = limit <= 0 ? 0x7FFFFFFE : limit;
    ++m_serial;
}

uint32_t CtlTextModel::Intern(const CtlCharFormat& format)
{
    for (size_t i = 0; i < m_formats.size(); ++i)
        if (m_formats[i] == format) return static_cast<uint32_t>(i);
    m_formats.push_back(format);
    return static_cast<uint32_t>(m_formats.size() - 1);
}

uint32_t CtlTextModel::InternPara(const CtlParaFormat& format)
{
    for (size_t i = 0; i < m_paras.size(); ++i)
        if (m_paras[i] == format) return static_cast<uint32_t>(i);
    m_paras.push_back(format);
    return static_cast<uint32_t>(m_paras.size() - 1);
}

void CtlTextModel::Touch(bool text)
{
    ++m_serial;
    if (text) {
        ++m_revision;
        m_modified = true;
    }
}

CtlCharFormat CtlTextModel::InsertionFormat(LONG start) const
{
    if (m_insert) return *m_insert;
    if (start > 0 && start <= Length()) return m_formats[m_charIndex[static_cast<size_t>(start - 1)]];
    if (start < Length()) return m_formats[m_charIndex[static_cast<size_t>(start)]];
    return m_default;
}

LONG CtlTextModel::ParagraphEnd(LONG position) const
{
    size_t at = m_text.find(u'\r', static_cast<size_t>(std::max<LONG>(position, 0)));
    return at == std::u16string::npos ? Length() : static_cast<LONG>(at);
}

const CtlParaFormat& CtlTextModel::ParaOf(LONG end) const
{
    return end >= Length() ? m_paras[m_lastPara] : m_paras[m_paraIndex[static_cast<size_t>(end)]];
}

void CtlTextModel::SetParaOf(LONG end, uint32_t index)
{
    if (end >= Length())
        m_lastPara = index;
    else
        m_paraIndex[static_cast<size_t>(end)] = index;
}

CtlTextModel::Snapshot CtlTextModel::Take() const
{
    return Snapshot{m_text, m_charIndex, m_paraIndex, m_lastPara, m_anchor, m_caret};
}

void CtlTextModel::Restore(const Snapshot& s)
{
    m_text = s.text;
    m_charIndex = s.charIndex;
    m_paraIndex = s.paraIndex;
    m_lastPara = s.lastPara;
    m_anchor = s.anchor;
    m_caret = s.caret;
    m_insert.reset();
    m_typingOpen = false;
    Touch(true);
}

void CtlTextModel::TrimUndo()
{
    while (static_cast<int>(m_undo.size()) > m_undoLimit) m_undo.erase(m_undo.begin());
    size_t total = 0;
    for (auto& s : m_undo) total += s.text.size();
    while (m_undo.size() > 1 && total > kUndoCharBudget) {
        total -= m_undo.front().text.size();
        m_undo.erase(m_undo.begin());
    }
}

void CtlTextModel::PushUndo()
{
    if (m_singleUndo) m_undo.clear();
    m_undo.push_back(Take());
    m_redo.clear();
    TrimUndo();
}

bool CtlTextModel::ReplaceImpl(LONG start, LONG end, const CtlRichText* rich, std::u16string_view plain,
                               bool undoable, bool push)
{
    LONG n = Length();
    start = std::clamp<LONG>(start, 0, n);
    end = std::clamp<LONG>(end, 0, n);
    if (end < start) std::swap(start, end);

    std::u16string text = rich ? rich->text : m_plain ? std::u16string(plain) : Normalize(plain);
    LONG room = std::max<LONG>(0, m_limit - (n - (end - start)));
    m_cut = static_cast<LONG>(text.size()) > room;
    if (m_cut) text.resize(static_cast<size_t>(room));
    if (text.empty() && start == end) return !m_cut;

    if (!undoable)
        ClearUndo();
    else if (push)
        PushUndo();

    // New paragraph ends take the format of the paragraph they split.
    LONG splitEnd = ParagraphEnd(end);
    uint32_t splitPara = splitEnd >= n ? m_lastPara : m_paraIndex[static_cast<size_t>(splitEnd)];
    uint32_t plainFormat = rich ? 0 : Intern(InsertionFormat(start));

    std::vector<uint32_t> chars(text.size(), plainFormat);
    std::vector<uint32_t> paras(text.size(), splitPara);
    if (rich) {
        // Each format of the piece is looked up once.
        std::vector<uint32_t> mapped;
        mapped.reserve(rich->formats.size());
        for (const auto& f : rich->formats) mapped.push_back(Intern(f));
        uint32_t fallback = Intern(m_default);
        size_t para = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            uint32_t index = i < rich->charFormat.size() ? rich->charFormat[i] : UINT32_MAX;
            chars[i] = index < mapped.size() ? mapped[index] : fallback;
            if (text[i] == u'\r') {
                if (para < rich->paraFormats.size()) paras[i] = InternPara(rich->paraFormats[para]);
                ++para;
            }
        }
        // Text that reaches the end of the document brings its last paragraph's format.
        if (end >= n && !m_cut && !rich->paraFormats.empty()) {
            size_t breaks = static_cast<size_t>(std::count(text.begin(), text.end(), u'\r'));
            if (breaks < rich->paraFormats.size()) m_lastPara = InternPara(rich->paraFormats[breaks]);
        }
    }

    auto s = static_cast<size_t>(start);
    auto e = static_cast<size_t>(end);
    m_text.replace(s, e - s, text);
    m_charIndex.erase(m_charIndex.begin() + static_cast<std::ptrdiff_t>(s), m_charIndex.begin() + static_cast<std::ptrdiff_t>(e));
    m_charIndex.insert(m_charIndex.begin() + static_cast<std::ptrdiff_t>(s), chars.begin(), chars.end());
    m_paraIndex.erase(m_paraIndex.begin() + static_cast<std::ptrdiff_t>(s), m_paraIndex.begin() + static_cast<std::ptrdiff_t>(e));
    m_paraIndex.insert(m_paraIndex.begin() + static_cast<std::ptrdiff_t>(s), paras.begin(), paras.end());

    m_anchor = m_caret = start + static_cast<LONG>(text.size());
    m_insert.reset();
    Touch(true);
    return true;
}

bool CtlTextModel::Replace(LONG start, LONG end, std::u16string_view text, bool undoable)
{
    m_typingOpen = false;
    return ReplaceImpl(start, end, nullptr, text, undoable, true);
}

bool CtlTextModel::ReplaceSelection(std::u16string_view text, bool undoable, bool typing)
{
    // Consecutive typing is undone as one step.
    bool push = !(typing && m_typingOpen);
    bool ok = ReplaceImpl(SelStart(), SelEnd(), nullptr, text, undoable, push);
    m_typingOpen = typing && undoable;
    return ok;
}

bool CtlTextModel::ReplaceRich(LONG start, LONG end, const CtlRichText& rich, bool undoable)
{
    m_typingOpen = false;
    return ReplaceImpl(start, end, &rich, {}, undoable, true);
}

CtlRichText CtlTextModel::Extract(LONG start, LONG end) const
{
    LONG n = Length();
    start = std::clamp<LONG>(start, 0, n);
    end = end < 0 ? n : std::clamp<LONG>(end, 0, n);
    if (end < start) std::swap(start, end);
    CtlRichText out;
    out.text = m_text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
    out.charFormat.reserve(out.text.size());
    std::unordered_map<uint32_t, uint32_t> mapped;
    for (LONG i = start; i < end; ++i) {
        uint32_t index = m_charIndex[static_cast<size_t>(i)];
        auto it = mapped.find(index);
        if (it == mapped.end()) {
            it = mapped.emplace(index, static_cast<uint32_t>(out.formats.size())).first;
            out.formats.push_back(m_formats[index]);
        }
        out.charFormat.push_back(it->second);
        if (m_text[static_cast<size_t>(i)] == u'\r') out.paraFormats.push_back(m_paras[m_paraIndex[static_cast<size_t>(i)]]);
    }
    out.paraFormats.push_back(ParaOf(ParagraphEnd(end)));
    return out;
}

void CtlTextModel::Reset(std::u16string_view text)
{
    m_text = m_plain ? std::u16string(text) : Normalize(text);
    m_charIndex.assign(m_text.size(), Intern(m_default));
    m_paraIndex.assign(m_text.size(), m_lastPara);
    m_anchor = m_caret = 0;
    m_insert.reset();
    ClearUndo();
    Touch(true);
}

void CtlTextModel::SetDefaultFormat(const CtlCharFormat& format, DWORD mask)
{
    m_default = Merge(m_default, format, mask);
    ++m_serial;
}

CtlCharFormat CtlTextModel::FormatAt(LONG position) const
{
    if (m_text.empty()) return m_default;
    position = std::clamp<LONG>(position, 0, Length() - 1);
    return m_formats[m_charIndex[static_cast<size_t>(position)]];
}

DWORD CtlTextModel::SelectionFormat(CtlCharFormat& format) const
{
    LONG s = SelStart();
    LONG e = SelEnd();
    if (s == e) {
        format = InsertionFormat(s);
        return CFM_ALL;
    }
    uint32_t first = m_charIndex[static_cast<size_t>(s)];
    format = m_formats[first];
    DWORD mask = CFM_ALL;
    uint32_t last = first;
    for (LONG i = s + 1; i < e && mask; ++i) {
        uint32_t index = m_charIndex[static_cast<size_t>(i)];
        if (index == last) continue;
        last = index;
        mask &= Agreement(format, m_formats[index]);
    }
    return mask;
}

void CtlTextModel::ApplyFormat(LONG start, LONG end, const CtlCharFormat& values, DWORD mask, bool undoable)
{
    LONG n = Length();
    start = std::clamp<LONG>(start, 0, n);
    end = end < 0 ? n : std::clamp<LONG>(end, 0, n);
    if (end < start) std::swap(start, end);
    if (start == end) return;
    if (undoable)
        PushUndo();
    else
        ClearUndo();
    m_typingOpen = false;
    std::unordered_map<uint32_t, uint32_t> mapped;
    for (LONG i = start; i < end; ++i) {
        uint32_t& index = m_charIndex[static_cast<size_t>(i)];
        auto it = mapped.find(index);
        if (it == mapped.end()) it = mapped.emplace(index, Intern(Merge(m_formats[index], values, mask))).first;
        index = it->second;
    }
    Touch(false);
}

void CtlTextModel::ApplySelectionFormat(const CtlCharFormat& values, DWORD mask, bool undoable)
{
    // A selection reaching the end takes in the document's end mark, whose format new text
    // at the end of an emptied document gets.
    if (SelEnd() == Length()) m_default = Merge(m_default, values, mask);
    if (SelStart() == SelEnd()) {
        m_insert = std::make_unique<CtlCharFormat>(Merge(InsertionFormat(m_caret), values, mask));
        ++m_serial;
        return;
    }
    ApplyFormat(SelStart(), SelEnd(), values, mask, undoable);
}

void CtlTextModel::ApplyAllFormat(const CtlCharFormat& values, DWORD mask, bool undoable)
{
    m_default = Merge(m_default, values, mask);
    if (m_text.empty()) {
        ++m_serial;
        return;
    }
    ApplyFormat(0, Length(), values, mask, undoable);
}

CtlParaFormat CtlTextModel::ParagraphAt(LONG position) const
{
    return ParaOf(ParagraphEnd(position));
}

DWORD CtlTextModel::SelectionParagraph(CtlParaFormat& format) const
{
    LONG s = SelStart();
    LONG e = SelEnd();
    LONG end = ParagraphEnd(s);
    format = ParaOf(end);
    DWORD mask = PFM_ALIGNMENT | PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET;
    while (end < e && end < Length()) {
        end = ParagraphEnd(end + 1);
        mask &= ParaAgreement(format, ParaOf(end));
    }
    return mask;
}

void CtlTextModel::ApplyParagraph(const CtlParaFormat& values, DWORD mask, bool undoable)
{
    if (undoable)
        PushUndo();
    else
        ClearUndo();
    m_typingOpen = false;
    LONG e = SelEnd();
    LONG end = ParagraphEnd(SelStart());
    while (true) {
        SetParaOf(end, InternPara(MergePara(ParaOf(end), values, mask)));
        if (end >= e || end >= Length()) break;
        end = ParagraphEnd(end + 1);
    }
    Touch(false);
}

bool CtlTextModel::CanUndo() const
{
    return !m_undo.empty();
}

bool CtlTextModel::CanRedo() const
{
    return !m_redo.empty();
}

bool CtlTextModel::Undo()
{
    if (m_undo.empty()) return false;
    Snapshot current = Take();
    Snapshot previous = std::move(m_undo.back());
    m_undo.pop_back();
    if (m_singleUndo)
        m_undo.push_back(std::move(current)); // undoing again redoes
    else
        m_redo.push_back(std::move(current));
    Restore(previous);
    return true;
}

bool CtlTextModel::Redo()
{
    if (m_redo.empty()) return false;
    Snapshot current = Take();
    Snapshot next = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back(std::move(current));
    Restore(next);
    return true;
}

void CtlTextModel::ClearUndo()
{
    m_undo.clear();
    m_redo.clear();
    m_typingOpen = false;
}

void CtlTextModel::SetUndoLimit(int limit)
{
    m_undoLimit = std::max(limit, 0);
    TrimUndo();
    if (m_undoLimit == 0) m_undo.clear();
}
