#include "CAudioCdConversionLoop.h"

#include "CAudioCdConversionAdministrator2.h"
#include "CAudioCdReader2.h"
#include "CAudioCdRipperData.h"
#include "CAudioCdTrack2.h"
#include "CPersistList.h"
#include "CSaveDir2.h"
#include "StWaitCursor.h"
#include "UConversionItems.h"
#include "UStringBuffer.h"

#include <cstdio>

namespace {

CString NameOfTrack(CPersistObject* item)
{
    auto* track = dynamic_cast<CAudioCdTrack2*>(item);
    char text[32];
    std::snprintf(text, sizeof text, "Track %d", track ? track->GetTrackNumber() + 1 : 0);
    return text;
}

const char* const kTracksAdvice =
    "1. The output directory path is a valid complete path with drive letter; and\n"
    "2. Your codec settings are valid.\n";

} // namespace

CAudioCdConversionLoop::CAudioCdConversionLoop()
{
    m_wrap = false;
}

void CAudioCdConversionLoop::Reset()
{
    CAudioCdPlaybackLoop::Reset();
    m_output = nullptr;
    m_saveDir = nullptr;
}

CDirectShowAdministrator2* CAudioCdConversionLoop::CreateAdministrator()
{
    return new CAudioCdConversionAdministrator2;
}

void CAudioCdConversionLoop::SetBatch(CAudioCdRipperData* batch)
{
    CAudioCdPlaybackLoop::SetBatch(batch);
    m_output = batch ? &batch->GetMediaOutput() : nullptr;
    m_saveDir = batch ? &batch->GetFilePath() : nullptr;
}

double CAudioCdConversionLoop::CalculateTotalTime()
{
    double total = 0;
    for (int i = 0; m_cd && i < m_cd->GetTrackCount(); ++i)
        if (CAudioCdTrack2* track = m_cd->GetTrack(i); track && track->GetChecked()) total += track->GetDuration();
    return total;
}

void CAudioCdConversionLoop::ResetStatus()
{
    m_run.MarkFrom(m_list, 0, CConversionRun::kWaiting, UConversionItems::StatusOfFile);
}

bool CAudioCdConversionLoop::Start()
{
    ResetStatus();
    m_run.Begin(m_list, UConversionItems::StatusOfFile);
    StartProgress();
    return CAudioCdPlaybackLoop::Start();
}

CAudioCdTrack2* CAudioCdConversionLoop::NextTrack(CAudioCdTrack2* track) const
{
    if (!m_cd) return nullptr;
    int index = track ? m_cd->GetTrackIndex(track) + 1 : 0;
    for (; index < m_cd->GetTrackCount(); ++index)
        if (CAudioCdTrack2* next = m_cd->GetTrack(index); next && next->GetChecked()) return next;
    return nullptr;
}

bool CAudioCdConversionLoop::NextItem()
{
    if (!m_cd) return false;
    // A restarted batch goes on after its current track, whatever the advance flag says.
    CAudioCdTrack2* current = GetCurrentTrack();
    if (current) m_doneTime += current->GetDuration();
    m_current = NextTrack(current);
    Broadcast(kLoopItemChangedMessage, this, m_current);
    if (!m_current) return false;
    UConversionItems::SetStatus(UConversionItems::StatusOfFile(m_current), CConversionRun::kConverting);
    PrepareSaveFile();
    return true;
}

void CAudioCdConversionLoop::PrepareSaveFile()
{
    CAudioCdTrack2* track = GetCurrentTrack();
    if (!track || !m_saveDir) return;
    m_run.GetSaveFile().SetFilePath(m_saveDir->GetFilePath() + track->GetOutputFile().GetFileNameOnly());
}

bool CAudioCdConversionLoop::ProcessItem()
{
    auto* ripper = dynamic_cast<CAudioCdConversionAdministrator2*>(m_administrator);
    CAudioCdTrack2* track = GetCurrentTrack();
    if (!ripper || !track || !m_output) return false;
    StWaitCursor wait;
    ripper->SetMediaFile(*track);
    ripper->SetAdapterId(m_adapter);
    ripper->SetScsiId(m_scsi);
    ripper->SetMediaOutput(*m_output);
    ripper->SetSaveFile(m_run.GetSaveFile());
    ripper->SetFilePrompter(m_run.GetPrompter());
    return ripper->Create() && ripper->Play();
}

void CAudioCdConversionLoop::Skip()
{
    UConversionItems::SetStatus(UConversionItems::StatusOfFile(m_current), CConversionRun::kSkipped);
    CAudioCdPlaybackLoop::Skip();
}

void CAudioCdConversionLoop::Cancel()
{
    // Every track from the current one, checked or not.
    m_run.MarkFrom(m_list, CurrentIndex(), CConversionRun::kSkipped, UConversionItems::StatusOfFile);
    CAudioCdPlaybackLoop::Cancel();
    m_run.ClearFailures();
}

void CAudioCdConversionLoop::OnComplete()
{
    UConversionItems::SetStatus(UConversionItems::StatusOfFile(m_current), CConversionRun::kDone);
    CAudioCdPlaybackLoop::OnComplete();
}

void CAudioCdConversionLoop::FailItem()
{
    UConversionItems::SetStatus(UConversionItems::StatusOfFile(m_current), CConversionRun::kFailed);
    if (m_current) m_run.Fail(m_current);
}

void CAudioCdConversionLoop::FinishLoop()
{
    m_run.ReportFailures("The following tracks are not converted:\n", NameOfTrack, kTracksAdvice);
}

char* CAudioCdConversionLoop::GetText()
{
    CAudioCdTrack2* track = GetCurrentTrack();
    if (!m_cd || !track) return UStringBuffer::Text("");
    const int checked = m_cd->GetCheckedTrackCount();
    char text[96];
    std::snprintf(text, sizeof text, "Converting %d out of %d track%s...", m_cd->GetTrackIndex(track) + 1, checked,
                  checked > 1 ? "s" : "");
    return UStringBuffer::Text(text);
}

double CAudioCdConversionLoop::GetProgress()
{
    if (m_totalTime <= 0) return 0;
    auto* ripper = dynamic_cast<CAudioCdConversionAdministrator2*>(m_administrator);
    CAudioCdTrack2* track = GetCurrentTrack();
    if (ripper && track) return (ripper->GetProgress() * track->GetDuration() + m_doneTime) / m_totalTime;
    return m_doneTime / m_totalTime;
}

CProgressAction* CAudioCdConversionLoop::GetChildAction()
{
    return dynamic_cast<CAudioCdConversionAdministrator2*>(m_administrator);
}
