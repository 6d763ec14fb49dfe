#include "COutputTypeFollower.h"

#include "CMediaOutput2.h"
#include "TListenedReference.h"

COutputTypeFollower::COutputTypeFollower(const COutputTypeFollower& other) : CListener()
{
    SetOutputType(other.m_output);
}

COutputTypeFollower& COutputTypeFollower::operator=(const COutputTypeFollower& other)
{
    if (this != &other) SetOutputType(other.m_output);
    return *this;
}

COutputTypeFollower::~COutputTypeFollower()
{
    SetOutputType(nullptr);
}

void COutputTypeFollower::SetOutputType(COutputType2* output)
{
    RetargetListenedReference(*this, m_output, output);
    CMediaOutput2* media =
        m_output && m_output->IsInstanceOf(FourCharCode("mdo2")) ? static_cast<CMediaOutput2*>(m_output) : nullptr;
    SetRealOutput(media ? &media->GetRealOutput() : nullptr);
}

void COutputTypeFollower::SetRealOutput(CRealOutput* real)
{
    RetargetListenedReference(*this, m_real, real);
}

ESplitterType COutputTypeFollower::GetSplitterType() const
{
    return m_output ? m_output->GetSplitterType() : 0;
}

bool COutputTypeFollower::UseVbrExtension() const
{
    return m_output && m_output->UseVbrExtension();
}

bool COutputTypeFollower::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_output, p);
        ForgetDyingReference(m_real, p);
    }
    return CListener::ListenToMessage(message, p, q);
}
