#pragma once
// A dialog from a registered template: modeless (Create) or modal (DoModal, a
// nested message loop that ends with EndDialog).
#include "afx/windows/CWnd.h"

struct MvDialogTemplate;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCTSTR templateName, CWnd* parent = nullptr);
    CDialog(const CDialog& other);
    CDialog& operator=(const CDialog& other);

    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL Create(LPCTSTR templateName, CWnd* parent = nullptr);
    BOOL CreateIndirect(const MvDialogTemplate* dialogTemplate, CWnd* parent = nullptr);
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* msg) override;

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    void SetDefID(UINT id);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT rect) const;

    UINT m_nIDHelp = 0;
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    const MvDialogTemplate* FindTemplate() const;

    DECLARE_MESSAGE_MAP()

private:
    CString m_templateName;
};
