#pragma once
// The rich-text editor page with its format tool bar; the speaking program reads its
// text and highlights the word being spoken with Select.
#include "CEditorParts.h"
#include "CPanel.h"
#include "CWindowLocator.h"

class CHandle;

class CEditPanel : public CPanel {
public:
    explicit CEditPanel(CWnd* parent);

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
    void Select(unsigned long pos, unsigned long len);
    CString GetText() const;
    // The selected text, or with no selection the text from the caret on; start gets
    // the selection start.
    CString GetTextFromCursor(long& start) const;
    void SetData(CHandle& data) { m_parts.SetData(data); }
    void GetData(CHandle& data, bool rtf) { m_parts.GetData(data, rtf); }
    void GetDefault() { m_parts.GetDefault(); }
    void SetDefault() { m_parts.SetDefault(); }
    void Import(const char* path) { m_parts.Import(path); }
    void Export(const char* path, bool rtf) { m_parts.Export(path, rtf); }
    const CRichEditCtrl& GetRichEditCtrl() const { return m_parts.m_edit; }
    void UpdateControls() { m_parts.UpdateControls(); }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    void OnTool(UINT id);
    void OnSelChange(NMHDR* header, LRESULT* result);
    void OnSize(UINT type, int cx, int cy);
    void OnClose();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

    CWindowLocator m_locator;
    CEditorParts m_parts;
};
