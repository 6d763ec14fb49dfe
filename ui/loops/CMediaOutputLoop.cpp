#include "CMediaOutputLoop.h"

#include "CMediaConversionAdministrator2.h"
#include "CMediaConversionOutputs.h"
#include "CMediaFile2.h"
#include "CMediaWriter2.h"
#include "CSliceDuration2.h"
#include "StWaitCursor.h"
#include "UConversionItems.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"

CMediaOutputLoop::CMediaOutputLoop()
{
    m_wrap = false;
}

void CMediaOutputLoop::Reset()
{
    CListWalkingLoop::Reset();
    m_input = nullptr;
}

CDirectShowAdministrator2* CMediaOutputLoop::CreateAdministratorSelf()
{
    return new CMediaConversionAdministrator2;
}

void CMediaOutputLoop::SetConversion(CMediaConversionOutputs* conversion)
{
    SetOutputList(conversion);
    m_input = conversion ? &conversion->GetInput() : nullptr;
}

void CMediaOutputLoop::SetOutputList(CMediaOutputList* outputs)
{
    m_list = outputs ? &outputs->GetOutputs() : nullptr;
}

CMediaWriter2* CMediaOutputLoop::GetCurrentOutput() const
{
    return dynamic_cast<CMediaWriter2*>(m_current);
}

double CMediaOutputLoop::ItemDuration(CPersistObject*) const
{
    return m_input ? m_input->GetConversionDuration() : 0;
}

double CMediaOutputLoop::CalculateTotalTime()
{
    return m_list && m_input ? m_list->GetItemCount() * m_input->GetConversionDuration() : 0;
}

bool CMediaOutputLoop::Start()
{
    m_failed.RemoveAll();
    StartProgress();
    m_prompter.Reset();
    m_doneTime = 0;
    m_totalTime = CalculateTotalTime();
    if (m_administrator) m_administrator->Reset();
    return CDxLoop2::Start();
}

bool CMediaOutputLoop::ProcessItem()
{
    auto* converter = dynamic_cast<CMediaConversionAdministrator2*>(m_administrator);
    CMediaWriter2* output = GetCurrentOutput();
    if (!converter || !output || !m_input) return false;
    StWaitCursor wait;
    converter->SetMediaFile(*m_input);
    converter->SetDuration(*m_input->GetSlice());
    converter->SetMediaOutput(output->GetMediaOutput());
    converter->SetSaveFile(output->GetFilePath());
    converter->SetFilePrompter(&m_prompter);
    return converter->Create() && converter->Play();
}

void CMediaOutputLoop::FailItem()
{
    if (m_current) m_failed.Add(m_current);
}

void CMediaOutputLoop::FinishLoop()
{
    if (m_failed.GetItemCount() == 0) return;
    CString text = "The following files are not converted:\n";
    for (int i = 0; i < m_failed.GetItemCount(); ++i) {
        text += static_cast<CMediaWriter2*>(m_failed.GetAt(i))->GetFilePath().GetFileNameOnly();
        text += "\n";
    }
    text += "\n";
    m_failed.RemoveAll();
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

char* CMediaOutputLoop::GetText()
{
    return CountText("Converting", "file");
}

double CMediaOutputLoop::GetProgress()
{
    return UConversionItems::BatchProgress(m_administrator, m_current ? ItemDuration(m_current) : 0, m_doneTime,
                                           m_totalTime);
}

CProgressAction* CMediaOutputLoop::GetChildAction()
{
    return dynamic_cast<CMediaConversionAdministrator2*>(m_administrator);
}
