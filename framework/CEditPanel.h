#pragma once
// The rich-text editor page with its format tool bar; the speaking program reads its
// text and highlights the word being spoken with Select.
#include "CBitmapCheckBox.h"
#include "CFontCombo.h"
#include "CFontSizeCombo.h"
#include "CPanel.h"
#include "CStyledEdit.h"
#include "CTextSetting.h"
#include "CWindowLocator.h"
#include "UEditFormat.h"

class CHandle;

class CEditPanel : public CPanel {
public:
    explicit CEditPanel(CWnd* parent);

    bool HasSelection() const;
    void Copy();
    void Clear();
    void Paste();
    void Undo();
    bool CanPaste() const;
    bool CanUndo() const;
    void SelectAll();
    void Empty();
    void ReadyToEdit();
    void SetReadOnly(bool readOnly);
    void Select(unsigned long pos, unsigned long len);
    CString GetText() const;
    // The selected text, or with no selection the text from the caret on; start gets
    // the selection start.
    CString GetTextFromCursor(long& start) const;
    void SetData(CHandle& data);
    void GetData(CHandle& data, bool rtf);
    void GetDefault();
    void SetDefault();
    void Import(const char* path);
    void Export(const char* path, bool rtf);
    const CRichEditCtrl& GetRichEditCtrl() const { return m_edit; }
    void UpdateControls();

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    void OnTool(UINT id);
    void OnSelChange(NMHDR* header, LRESULT* result);
    void OnSize(UINT type, int cx, int cy);
    void OnClose();
    void OnDestroy();
    UEditFormat::Tools Tools();

    DECLARE_MESSAGE_MAP()

    CWindowLocator m_locator;
    CTextSetting m_setting;
    CStyledEdit m_edit;
    CFontCombo m_font;
    CFontSizeCombo m_size;
    CBitmapCheckBox m_boxes[6];
};
