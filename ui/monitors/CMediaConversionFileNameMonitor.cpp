#include "CMediaConversionFileNameMonitor.h"

#include "CMediaFile2.h"
#include "CMediaOutput2.h"
#include "TListenedReference.h"
#include "UOutputFileNames.h"

CMediaConversionFileNameMonitor::CMediaConversionFileNameMonitor(const CMediaConversionFileNameMonitor& other)
    : COutputTypeFollower(other), m_folder(other.m_folder)
{
    SetInput(other.m_input);
}

CMediaConversionFileNameMonitor& CMediaConversionFileNameMonitor::operator=(
    const CMediaConversionFileNameMonitor& other)
{
    if (this == &other) return *this;
    COutputTypeFollower::operator=(other);
    m_folder = other.m_folder;
    SetInput(other.m_input);
    return *this;
}

CMediaConversionFileNameMonitor::~CMediaConversionFileNameMonitor()
{
    SetInput(nullptr);
}

void CMediaConversionFileNameMonitor::SetInput(CMediaFile2* input)
{
    RetargetListenedReference(*this, m_input, input);
}

void CMediaConversionFileNameMonitor::SetOutput(CMediaOutput2* output)
{
    SetOutputType(output);
}

CMediaOutput2* CMediaConversionFileNameMonitor::GetMediaOutput() const
{
    return m_output && m_output->IsInstanceOf(FourCharCode("mdo2")) ? static_cast<CMediaOutput2*>(m_output) : nullptr;
}

void CMediaConversionFileNameMonitor::Update()
{
    CMediaOutput2* output = GetMediaOutput();
    if (!output || !m_input) return;
    UOutputFileNames::SetOutputFileName(m_input, m_folder.IsEmpty() ? nullptr : m_folder.GetString(),
                                        output->GetSplitterType(), !output->GetWantsVideo(), UseVbrExtension());
}

bool CMediaConversionFileNameMonitor::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case COutputType2::kSplitterTypeChangedNotice:
    case CMediaOutput2::kWantsVideoChangedNotice:
    case CMediaOutput2::kWantsAudioChangedNotice:
        Update();
        return true;
    case CRealOutput::kProfileChangedNotice:
        if (GetMediaOutput() && GetMediaOutput()->GetWantsAudio() && !GetMediaOutput()->GetWantsVideo()) Update();
        return true;
    default:
        return COutputTypeFollower::Respond(code, sender, a, b);
    }
}

bool CMediaConversionFileNameMonitor::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_input, p);
    return COutputTypeFollower::ListenToMessage(message, p, q);
}
