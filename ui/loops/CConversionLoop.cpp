#include "CConversionLoop.h"

#include "CConversionBatch.h"
#include "CMediaConversionAdministrator2.h"
#include "CMediaConversionData.h"
#include "CSliceDuration2.h"
#include "StWaitCursor.h"
#include "UConversionItems.h"

CConversionLoop::CConversionLoop()
{
    m_wrap = false;
}

void CConversionLoop::Reset()
{
    CConversionPlaybackLoop::Reset();
    m_saveDir = nullptr;
}

CDirectShowAdministrator2* CConversionLoop::CreateAdministratorSelf()
{
    return new CMediaConversionAdministrator2;
}

void CConversionLoop::SetBatch(CConversionBatch* batch)
{
    CConversionPlaybackLoop::SetBatch(batch);
    m_saveDir = batch ? &batch->GetFilePath() : nullptr;
}

void CConversionLoop::ResetStatus()
{
    m_run.MarkFrom(m_list, 0, CConversionRun::kWaiting, UConversionItems::StatusOfJob);
}

bool CConversionLoop::Start()
{
    ResetStatus();
    m_run.Begin(m_list, UConversionItems::StatusOfJob);
    StartProgress();
    return CConversionPlaybackLoop::Start();
}

bool CConversionLoop::NextItem()
{
    if (!CConversionPlaybackLoop::NextItem()) return false;
    UConversionItems::SetStatus(UConversionItems::StatusOfJob(m_current), CConversionRun::kConverting);
    PrepareSaveFile();
    return true;
}

void CConversionLoop::PrepareSaveFile()
{
    CMediaConversionData* job = GetCurrentFile();
    if (!job || !m_saveDir) return;
    m_run.PrepareSaveFile(m_saveDir, job->GetInput());
    // A portable player's file is never renamed behind the user's back: ask instead.
    CSaveFile2& file = m_run.GetSaveFile();
    if (job->GetMediaOutput().GetSplitterType() == 2022 && file.GetFileReplace() == kFileReplaceRename)
        file.SetFileReplace(kFileReplaceAsk);
}

bool CConversionLoop::ProcessItem()
{
    auto* converter = dynamic_cast<CMediaConversionAdministrator2*>(m_administrator);
    CMediaConversionData* job = GetCurrentFile();
    if (!converter || !job) return false;
    StWaitCursor wait;
    CMediaFile2& input = job->GetInput();
    converter->SetMediaFile(input);
    converter->SetDuration(*input.GetSlice());
    converter->SetMediaOutput(job->GetMediaOutput());
    converter->SetSaveFile(m_run.GetSaveFile());
    converter->SetFilePrompter(m_run.GetPrompter());
    return converter->Create() && converter->Play();
}

void CConversionLoop::Skip()
{
    UConversionItems::SetStatus(UConversionItems::StatusOfJob(m_current), CConversionRun::kSkipped);
    CConversionPlaybackLoop::Skip();
}

void CConversionLoop::Cancel()
{
    m_run.MarkFrom(m_list, CurrentIndex(), CConversionRun::kSkipped, UConversionItems::StatusOfJob);
    CConversionPlaybackLoop::Cancel();
    m_run.ClearFailures();
}

void CConversionLoop::OnComplete()
{
    UConversionItems::SetStatus(UConversionItems::StatusOfJob(m_current), CConversionRun::kDone);
    CConversionPlaybackLoop::OnComplete();
}

void CConversionLoop::FailItem()
{
    UConversionItems::SetStatus(UConversionItems::StatusOfJob(m_current), CConversionRun::kFailed);
    if (m_current) m_run.Fail(m_current);
}

void CConversionLoop::FinishLoop()
{
    m_run.ReportFailures("The following files are not converted:\n", UConversionItems::PathOfJob,
                         CConversionRun::kFilesAdvice);
}

char* CConversionLoop::GetText()
{
    return CountText("Converting", "file");
}

double CConversionLoop::GetProgress()
{
    return UConversionItems::BatchProgress(m_administrator, m_current ? ItemDuration(m_current) : 0, m_doneTime,
                                           m_totalTime);
}

CProgressAction* CConversionLoop::GetChildAction()
{
    return dynamic_cast<CMediaConversionAdministrator2*>(m_administrator);
}
