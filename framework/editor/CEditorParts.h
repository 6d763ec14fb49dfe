#pragma once
// The rich-text editor with its format tool bar, as the editor page and the editor
// pane both hold it: the stored text style applied to and taken from the editor, the
// tool bar mirroring the selection's format, and whole files in and out.
#include "CBitmapCheckBox.h"
#include "CFontCombo.h"
#include "CFontSizeCombo.h"
#include "CStyledEdit.h"
#include "CTextSetting.h"

class CHandle;

class CEditorParts {
public:
    static constexpr int kEdit = 10078;
    static constexpr int kFirstBox = 10069;   // bold, italic, underline, left, center, right
    // Files up to this size are read; larger ones are left alone.
    static constexpr long kMaxImportBytes = 64L * 1024 * 1024;

    CEditorParts() = default;
    CEditorParts(const CEditorParts&) = delete;
    CEditorParts& operator=(const CEditorParts&) = delete;

    // Each check box's up (also focused and disabled), down and checked bitmaps.
    void LoadBitmaps();
    bool HasSelection() const;
    void Copy() { m_edit.Copy(); }
    void Cut() { m_edit.Cut(); }
    void Clear() { m_edit.Clear(); }
    void Paste() { m_edit.Paste(); }
    void Undo() { m_edit.Undo(); }
    void Redo() { m_edit.Redo(); }
    bool CanRedo() const { return m_edit.CanRedo() != FALSE; }
    bool CanPaste() const { return m_edit.CanPaste() != FALSE; }
    // Only an answer of exactly 1 counts.
    bool CanUndo() const;
    void SelectAll() { m_edit.SetSel(0, -1); }
    void Empty();
    void ReadyToEdit() { m_edit.SetFocus(); }
    void SetReadOnly(bool readOnly) { m_edit.SetReadOnly(readOnly); }
    void SetData(CHandle& data);
    void GetData(CHandle& data, bool rtf);
    // Applies the stored style to the whole text.
    void GetDefault();
    // Stores the editor's current format as the style.
    void SetDefault();
    // False, the text unchanged, when the file cannot be read, is too large or is refused.
    // A text beyond the editor's limit raises the limit: the file is loaded whole.
    bool Import(const char* path);
    // False when the file cannot be written whole.
    bool Export(const char* path, bool rtf) const;
    void UpdateControls();
    const CRichEditCtrl& GetRichEditCtrl() const { return m_edit; }
    // A font or size chosen, or a check box clicked: applied to the selection.
    void ApplyTool(int id);

    CTextSetting m_setting;
    CStyledEdit m_edit;
    CFontCombo m_font;
    CFontSizeCombo m_size;
    CBitmapCheckBox m_boxes[6];
};
