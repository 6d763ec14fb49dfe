#include "afx/windows/CFileDialog.h"

#include "afx/windows/CWinApp.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt, LPCTSTR fileName, DWORD flags, LPCTSTR filter,
                         CWnd* parent)
    : CDialog(0u, parent), m_open(openFileDialog), m_defaultExt(defaultExt ? defaultExt : "")
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = sizeof m_fileName;
    m_ofn.Flags = flags | OFN_EXPLORER;
    m_ofn.lpstrDefExt = defaultExt ? m_defaultExt.GetString() : nullptr;
    if (fileName) {
        std::strncpy(m_fileName, fileName, sizeof m_fileName - 1);
        m_fileName[sizeof m_fileName - 1] = 0;
    }
    if (filter) {
        // '|' separates the pairs; the string ends with "||".
        m_filter = filter;
        m_filter.Replace('|', '\0');
        m_ofn.lpstrFilter = m_filter.GetString();
    }
}

INT_PTR CFileDialog::DoModal()
{
    if (!m_ofn.hwndOwner) {
        CWnd* parent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
        m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    }
    BOOL ok = m_open ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return ok ? IDOK : IDCANCEL;
}

POSITION CFileDialog::GetStartPosition() const
{
    return m_ofn.lpstrFile && m_ofn.lpstrFile[0] ? reinterpret_cast<POSITION>(static_cast<uintptr_t>(1)) : nullptr;
}

CString CFileDialog::GetNextPathName(POSITION& position) const
{
    const char* buffer = m_ofn.lpstrFile;
    size_t offset = reinterpret_cast<uintptr_t>(position) - 1;
    position = nullptr;
    if (!buffer || offset >= m_ofn.nMaxFile) return CString();
    size_t first = strnlen(buffer, m_ofn.nMaxFile);
    bool several = (m_ofn.Flags & OFN_ALLOWMULTISELECT) && m_ofn.nFileOffset > first;
    if (!several) return CString(buffer, static_cast<int>(first));
    if (offset == 0) offset = m_ofn.nFileOffset;
    size_t length = strnlen(buffer + offset, m_ofn.nMaxFile - offset);
    CString path(buffer, static_cast<int>(first));
    if (!path.IsEmpty() && path[path.GetLength() - 1] != '/') path += '/';
    path += CString(buffer + offset, static_cast<int>(length));
    size_t next = offset + length + 1;
    if (next < m_ofn.nMaxFile && buffer[next]) position = reinterpret_cast<POSITION>(static_cast<uintptr_t>(next + 1));
    return path;
}

CString CFileDialog::GetPathName() const
{
    POSITION position = GetStartPosition();
    return position ? GetNextPathName(position) : CString();
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    int slash = path.ReverseFind('/');
    return slash < 0 ? path : path.Mid(slash + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}
