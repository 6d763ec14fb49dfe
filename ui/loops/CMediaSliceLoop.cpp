#include "CMediaSliceLoop.h"

#include "CConversionRun.h"
#include "CDirectShowAdministrator2.h"
#include "CMediaFile2.h"
#include "CMediaOutput2.h"
#include "CSaveDir2.h"
#include "CSliceDuration2.h"
#include "UFileUtils.h"
#include "UMediaFileExtension.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"

#include <cstdio>

void CMediaSliceLoop::Reset()
{
    CListWalkingLoop::Reset();
    m_input = nullptr;
    m_output = nullptr;
    m_saveDir = nullptr;
}

void CMediaSliceLoop::SetMediaFile(CMediaFile2* input)
{
    m_input = input;
    m_list = input ? &input->GetSlices() : nullptr;
}

CSliceDuration2* CMediaSliceLoop::GetCurrentSlice() const
{
    return dynamic_cast<CSliceDuration2*>(m_current);
}

double CMediaSliceLoop::ItemDuration(CPersistObject* item) const
{
    auto* slice = dynamic_cast<CSliceDuration2*>(item);
    return slice ? slice->GetDuration() : 0;
}

bool CMediaSliceLoop::Start()
{
    m_failed.RemoveAll();
    StartProgress();
    m_doneTime = 0;
    // Every run starts at the first slice.
    m_current = nullptr;
    m_totalTime = CalculateTotalTime();
    if (m_administrator) m_administrator->Reset();
    return CDxLoop2::Start();
}

bool CMediaSliceLoop::NextItem()
{
    if (!m_input || !m_list) return false;
    int next = 0;
    if (m_current) {
        m_doneTime += ItemDuration(m_current);
        next = CurrentIndex() + 1;
    }
    m_current = next < m_list->GetItemCount() ? m_list->GetAt(next) : nullptr;
    PrepareSaveFile();
    return m_current != nullptr;
}

CString CMediaSliceLoop::GetEncodingFileName(int number) const
{
    if (!m_input || !m_output) return "";
    const ESplitterType type = m_output->GetSplitterType();
    char text[512];
    std::snprintf(text, sizeof text, "%s_%d.%s",
                  static_cast<const char*>(m_input->GetFilePath().GetFileNameWithoutExtension()), number,
                  static_cast<const char*>(UMediaFileExtension::GetVideoFileExtension(type)));
    CString name = text;
    // Image output: the slice becomes a folder of pictures.
    if (type == 1700) name += "/n.gif";
    return name;
}

void CMediaSliceLoop::PrepareSaveFile()
{
    CSliceDuration2* slice = GetCurrentSlice();
    if (!m_input || !m_saveDir || !slice) return;
    m_saveFile.SetFilePath(CConversionRun::SavePath(*m_saveDir, *m_input, GetEncodingFileName(CurrentIndex() + 1)));
    m_saveFile.SetFileReplace(m_saveDir->GetFileReplace());
}

void CMediaSliceLoop::FailItem()
{
    if (m_current) m_failed.Add(m_current);
}

void CMediaSliceLoop::FinishLoop()
{
    if (m_failed.GetItemCount() == 0) return;
    m_failed.RemoveAll();
    AfxMessageBox(CString("The following files are not converted:\n\nPlease make sure\n") + CConversionRun::kFilesAdvice,
                  MB_OK | MB_ICONEXCLAMATION);
}

void CMediaSliceLoop::Cancel()
{
    CListWalkingLoop::Cancel();
    m_failed.RemoveAll();
}

char* CMediaSliceLoop::GetText()
{
    return CountText("Converting", "slice");
}
