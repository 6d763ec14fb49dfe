#include "CConversionRun.h"

#include "CMediaFile2.h"
#include "CMediaInfo2.h"
#include "CPersistList.h"
#include "CSaveDir2.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"

const char* const CConversionRun::kFilesAdvice =
    "1. The input files exist;\n"
    "2. The output directory path is a valid complete path with drive letter; and\n"
    "3. Your codec settings are valid.\n";

void CConversionRun::Begin(CPersistList* items, CMediaInfo2* (*statusOf)(CPersistObject*))
{
    MarkFrom(items, 0, kWaiting, statusOf);
    ClearFailures();
    m_prompter.Reset();
}

void CConversionRun::MarkFrom(CPersistList* items, int index, long status, CMediaInfo2* (*statusOf)(CPersistObject*))
{
    for (int i = index < 0 ? 0 : index; items && i < items->GetItemCount(); ++i)
        if (CMediaInfo2* info = statusOf(items->GetAt(i))) info->SetStatus(status);
}

void CConversionRun::ReportFailures(const char* heading, CString (*nameOf)(CPersistObject*), const char* advice)
{
    if (m_failed.GetItemCount() == 0) return;
    CString text = heading;
    for (int i = 0; i < m_failed.GetItemCount(); ++i) {
        text += nameOf(static_cast<CPersistObject*>(m_failed.GetAt(i)));
        text += "\n";
    }
    text += "\nPlease make sure\n";
    text += advice;
    ClearFailures();
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

void CConversionRun::PrepareSaveFile(CSaveDir2* folder, CMediaFile2& input)
{
    if (!folder) return;
    // Only the name of the output is taken, whatever the record holds.
    m_saveFile.SetFilePath(SavePath(*folder, input, input.GetOutputFile().GetFileNameOnly()));
    m_saveFile.SetFileReplace(folder->GetFileReplace());
}

CString CConversionRun::SavePath(CSaveDir2& folder, CMediaFile2& input, const CString& name)
{
    if (!folder.GetSameDirectory()) return folder.GetFilePath() + name;
    CString path = input.GetFilePath().GetPathOnly();
    if (path.IsEmpty() || path[path.GetLength() - 1] != '/') path += "/";
    return path + name;
}
