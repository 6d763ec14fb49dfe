#pragma once
// The text of an edit or rich edit control: UTF-16 text with '\r' paragraph ends, a character
// format per character and a paragraph format per paragraph, the selection, the insertion
// format, undo and redo. Positions count UTF-16 units.
#include "win32/controls/CtlTextFormat.h"

#include <cstdint>
#include <memory>

class CtlTextModel {
public:
    CtlTextModel();
    ~CtlTextModel();

    const std::u16string& Text() const { return m_text; }
    LONG Length() const { return static_cast<LONG>(m_text.size()); }
    std::u16string Range(LONG start, LONG end) const;
    // Normalises '\n' and "\r\n" to the model's '\r' paragraph end (rich text only; a plain
    // edit keeps its line ends as given).
    static std::u16string Normalize(std::u16string_view text);
    void SetPlain(bool on) { m_plain = on; }
    bool IsPlain() const { return m_plain; }

    // Selection: anchor and caret; start/end are ordered.
    LONG Anchor() const { return m_anchor; }
    LONG Caret() const { return m_caret; }
    LONG SelStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    LONG SelEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
    // Positions beyond the text are clamped; -1 as anchor removes the selection at the caret,
    // -1 as caret means the end of the text.
    void SetSelection(LONG anchor, LONG caret);

    LONG Limit() const { return m_limit; }
    void SetLimit(LONG limit);

    // Replaces [start, end) with text in the format of `format` (or the insertion format);
    // returns false when nothing could be inserted because of the limit.
    bool Replace(LONG start, LONG end, std::u16string_view text, bool undoable);
    bool ReplaceSelection(std::u16string_view text, bool undoable, bool typing = false);
    bool ReplaceRich(LONG start, LONG end, const CtlRichText& rich, bool undoable);
    CtlRichText Extract(LONG start, LONG end) const;
    // Replaces everything and forgets undo.
    void Reset(std::u16string_view text);
    bool WasCut() const { return m_cut; }

    // Formats.
    const CtlCharFormat& DefaultFormat() const { return m_default; }
    void SetDefaultFormat(const CtlCharFormat& format, DWORD mask);
    CtlCharFormat FormatAt(LONG position) const;
    // The format of the selection; the mask returned has a CFM_ bit for each property that is
    // the same over the whole selection (the insertion format for an empty selection).
    DWORD SelectionFormat(CtlCharFormat& format) const;
    void ApplyFormat(LONG start, LONG end, const CtlCharFormat& values, DWORD mask, bool undoable);
    // Applies to the selection, or to the insertion format when the selection is empty.
    void ApplySelectionFormat(const CtlCharFormat& values, DWORD mask, bool undoable);
    void ApplyAllFormat(const CtlCharFormat& values, DWORD mask, bool undoable);

    CtlParaFormat ParagraphAt(LONG position) const;
    DWORD SelectionParagraph(CtlParaFormat& format) const;
    void ApplyParagraph(const CtlParaFormat& values, DWORD mask, bool undoable);

    // Undo.
    bool CanUndo() const;
    bool CanRedo() const;
    bool Undo();
    bool Redo();
    void ClearUndo();
    void SetUndoLimit(int limit);
    // A plain edit keeps one level that toggles between undo and redo.
    void SetSingleUndo(bool on) { m_singleUndo = on; }
    void StopGroupTyping() { m_typingOpen = false; }
    bool Modified() const { return m_modified; }
    void SetModified(bool on) { m_modified = on; }

    // TextRevision counts changes of the text; Serial counts every change of state.
    uint64_t TextRevision() const { return m_revision; }
    uint64_t Serial() const { return m_serial; }

private:
    struct Snapshot;
    Snapshot Take() const;
    void Restore(const Snapshot& snapshot);
    void PushUndo();
    uint32_t Intern(const CtlCharFormat& format);
    uint32_t InternPara(const CtlParaFormat& format);
    CtlCharFormat InsertionFormat(LONG start) const;
    // Index of the '\r' ending the paragraph holding position, or Length() for the last one.
    LONG ParagraphEnd(LONG position) const;
    const CtlParaFormat& ParaOf(LONG end) const;
    void SetParaOf(LONG end, uint32_t index);
    void Touch(bool text);
    void TrimUndo();
    bool ReplaceImpl(LONG start, LONG end, const CtlRichText* rich, std::u16string_view text, bool undoable, bool push);

    std::u16string m_text;
    std::vector<uint32_t> m_charIndex;
    std::vector<uint32_t> m_paraIndex;
    uint32_t m_lastPara = 0;
    std::vector<CtlCharFormat> m_formats;
    std::vector<CtlParaFormat> m_paras;
    CtlCharFormat m_default;
    std::unique_ptr<CtlCharFormat> m_insert;
    LONG m_anchor = 0;
    LONG m_caret = 0;
    LONG m_limit = 32767;
    bool m_cut = false;
    std::vector<Snapshot> m_undo;
    std::vector<Snapshot> m_redo;
    int m_undoLimit = 100;
    bool m_singleUndo = false;
    bool m_typingOpen = false;
    bool m_modified = false;
    bool m_plain = false;
    uint64_t m_revision = 0;
    uint64_t m_serial = 0;
};
