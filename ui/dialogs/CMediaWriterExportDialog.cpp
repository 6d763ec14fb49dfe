#include "CMediaWriterExportDialog.h"

#include "USavePathCheck.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"

const char* const CMediaWriterExportDialog::kFilePathTitle = "File Path";

CMediaWriterExportDialog::CMediaWriterExportDialog(CWnd* parent, bool audioOnly)
    : CStackExportDialog(parent), m_monitor(audioOnly)
{
    m_monitor.SetFile(&m_writer.GetFilePath());
    m_monitor.SetOutputType(&m_writer.GetMediaOutput());
}

void CMediaWriterExportDialog::SetData(CMediaWriter2& writer)
{
    m_writer = writer;
}

void CMediaWriterExportDialog::ShowPage(const char* title)
{
    const int index = m_pages.m_hWnd ? m_pages.FindStringExact(-1, title) : -1;
    if (index < 0) return;
    m_pages.SetCurSel(index);
    m_stack.Select();
    UpdateButtons();
}

bool CMediaWriterExportDialog::OnFinish()
{
    CString problem = m_writer.Validate();
    if (problem.IsEmpty()) problem = USavePathCheck::Check(m_writer.GetFilePath().GetFilePath());
    if (problem.IsEmpty()) return true;
    ShowPage(kFilePathTitle);
    AfxMessageBox(problem, MB_OK | MB_ICONEXCLAMATION);
    return false;
}
