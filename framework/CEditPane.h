#pragma once
// The rich-text editor with its format tool bar built as a plain child window.
#include "CEditorParts.h"
#include "CPane.h"

class CCmdUI;
class CHandle;

class CEditPane : public CPane {
public:
    static constexpr int kFontCombo = 10065;
    static constexpr int kSizeCombo = 10066;

    bool HasSelection() const { return m_parts.HasSelection(); }
    void Copy() { m_parts.Copy(); }
    void Clear() { m_parts.Clear(); }
    void Paste() { m_parts.Paste(); }
    void Undo() { m_parts.Undo(); }
    bool CanPaste() const { return m_parts.CanPaste(); }
    bool CanUndo() const { return m_parts.CanUndo(); }
    void SelectAll() { m_parts.SelectAll(); }
    void Empty() { m_parts.Empty(); }
    void ReadyToEdit() { m_parts.ReadyToEdit(); }
    void SetReadOnly(bool readOnly) { m_parts.SetReadOnly(readOnly); }
    void SetData(CHandle& data) { m_parts.SetData(data); }
    void GetData(CHandle& data, bool rtf) { m_parts.GetData(data, rtf); }
    void GetDefault() { m_parts.GetDefault(); }
    void SetDefault() { m_parts.SetDefault(); }
    void Import(const char* path) { m_parts.Import(path); }
    void Export(const char* path, bool rtf) { m_parts.Export(path, rtf); }
    const CRichEditCtrl& GetRichEditCtrl() const { return m_parts.m_edit; }
    void UpdateControls() { m_parts.UpdateControls(); }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnDestroy();
    void OnTool(UINT id);
    void OnUpdateTool(CCmdUI* ui);
    void OnSelChange(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

    CEditorParts m_parts;
};
