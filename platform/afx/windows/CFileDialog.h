#pragma once
// The file-open and file-save prompt of the class library (win32/CommonDialogs.h).
#include "afx/windows/CDialog.h"
#include "win32/dialogs/CommonDialogs.h"

struct MvPosition;
using POSITION = MvPosition*;

class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // filter: "description|pattern|...||".
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt = nullptr, LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                         CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    INT_PTR DoModal() override;
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    // Walks the chosen files: a null position ends the walk.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& position) const;

    OPENFILENAMEA m_ofn{};

private:
    BOOL m_open;
    CString m_defaultExt;
    CString m_filter;
    CString m_title;
    char m_fileName[MAX_PATH] = {0};
};
