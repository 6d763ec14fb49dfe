#pragma once
// The rich-text editor page with its format tool bar; the speaking program reads its
// text and highlights the word being spoken with Select.
#include "CEditorParts.h"
#include "CPanel.h"
#include "CWindowLocator.h"

class CEditPanel : public CPanel, public CEditorParts {
public:
    explicit CEditPanel(CWnd* parent);

    void Select(unsigned long pos, unsigned long len);
    CString GetText() const;
    // The selected text, or with no selection the text from the caret on; start gets
    // the selection start.
    CString GetTextFromCursor(long& start) const;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    void OnTool(UINT id);
    void OnSelChange(NMHDR* header, LRESULT* result);
    // Typing or pasting past the editor's limit says what was left out.
    void OnMaxText();
    void OnSize(UINT type, int cx, int cy);
    void OnClose();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

    CWindowLocator m_locator;
};
