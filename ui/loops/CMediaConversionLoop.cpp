#include "CMediaConversionLoop.h"

#include "CFileBatch2.h"
#include "CMediaConversionAdministrator2.h"
#include "CMediaFile2.h"
#include "CSliceDuration2.h"
#include "StWaitCursor.h"
#include "UConversionItems.h"
#include "UMediaValidator.h"

CMediaConversionLoop::CMediaConversionLoop()
{
    m_wrap = false;
}

void CMediaConversionLoop::Reset()
{
    CMediaPlaybackLoop::Reset();
    m_output = nullptr;
    m_saveDir = nullptr;
}

void CMediaConversionLoop::SetBatch(CFileBatch2* batch)
{
    CMediaPlaybackLoop::SetBatch(batch);
    m_output = batch ? &batch->GetMediaOutput() : nullptr;
    m_saveDir = batch ? &batch->GetFilePath() : nullptr;
}

bool CMediaConversionLoop::ValidateConversion()
{
    return m_output && UMediaValidator::Validate(m_output, false);
}

void CMediaConversionLoop::ResetStatus()
{
    m_run.MarkFrom(m_list, 0, CConversionRun::kWaiting, UConversionItems::StatusOfFile);
}

bool CMediaConversionLoop::Start()
{
    if (!ValidateConversion()) return false;
    ResetStatus();
    m_run.Begin(m_list, UConversionItems::StatusOfFile);
    StartProgress();
    return CMediaPlaybackLoop::Start();
}

bool CMediaConversionLoop::NextItem()
{
    if (!CMediaPlaybackLoop::NextItem()) return false;
    UConversionItems::SetStatus(UConversionItems::StatusOfFile(m_current), CConversionRun::kConverting);
    PrepareSaveFile();
    return true;
}

void CMediaConversionLoop::PrepareSaveFile()
{
    if (CMediaFile2* file = GetCurrentFile()) m_run.PrepareSaveFile(m_saveDir, *file);
}

void CMediaConversionLoop::Skip()
{
    UConversionItems::SetStatus(UConversionItems::StatusOfFile(m_current), CConversionRun::kSkipped);
    CMediaPlaybackLoop::Skip();
}

void CMediaConversionLoop::Cancel()
{
    m_run.MarkFrom(m_list, CurrentIndex(), CConversionRun::kSkipped, UConversionItems::StatusOfFile);
    CMediaPlaybackLoop::Cancel();
    m_run.ClearFailures();
}

void CMediaConversionLoop::OnComplete()
{
    UConversionItems::SetStatus(UConversionItems::StatusOfFile(m_current), CConversionRun::kDone);
    CMediaPlaybackLoop::OnComplete();
}

void CMediaConversionLoop::FailItem()
{
    UConversionItems::SetStatus(UConversionItems::StatusOfFile(m_current), CConversionRun::kFailed);
    if (m_current) m_run.Fail(m_current);
}

void CMediaConversionLoop::FinishLoop()
{
    m_run.ReportFailures("The following files are not converted:\n", UConversionItems::PathOfFile,
                         CConversionRun::kFilesAdvice);
}

char* CMediaConversionLoop::GetText()
{
    return CountText("Converting", "file");
}

CDirectShowAdministrator2* CMediaConversionLoop::MakeConverter()
{
    return new CMediaConversionAdministrator2;
}

bool CMediaConversionLoop::ConvertCurrentFile()
{
    auto* converter = dynamic_cast<CMediaConversionAdministrator2*>(m_administrator);
    CMediaFile2* file = GetCurrentFile();
    if (!converter || !file || !m_output) return false;
    StWaitCursor wait;
    converter->SetMediaFile(*file);
    converter->SetDuration(*file->GetSlice());
    converter->SetMediaOutput(*m_output);
    converter->SetSaveFile(m_run.GetSaveFile());
    converter->SetFilePrompter(m_run.GetPrompter());
    return converter->Create() && converter->Play();
}

double CMediaConversionLoop::ConverterProgress()
{
    return UConversionItems::BatchProgress(m_administrator, m_current ? ItemDuration(m_current) : 0, m_doneTime,
                                           m_totalTime);
}

CProgressAction* CMediaConversionLoop::ConverterAction()
{
    return dynamic_cast<CMediaConversionAdministrator2*>(m_administrator);
}
