#include "CMediaOutputFileNameMonitor.h"

#include "CMediaOutput2.h"
#include "CSaveFile2.h"
#include "TListenedReference.h"
#include "UFormatRows.h"
#include "UOutputFileNames.h"

CMediaOutputFileNameMonitor::CMediaOutputFileNameMonitor(bool audioOnly) : m_audioOnly(audioOnly) {}

CMediaOutputFileNameMonitor::CMediaOutputFileNameMonitor(const CMediaOutputFileNameMonitor& other)
    : CListener(), m_audioOnly(other.m_audioOnly), m_file(other.m_file)
{
    SetOutputType(other.m_output);
}

CMediaOutputFileNameMonitor& CMediaOutputFileNameMonitor::operator=(const CMediaOutputFileNameMonitor& other)
{
    if (this == &other) return *this;
    m_audioOnly = other.m_audioOnly;
    m_file = other.m_file;
    SetOutputType(other.m_output);
    return *this;
}

CMediaOutputFileNameMonitor::~CMediaOutputFileNameMonitor()
{
    SetOutputType(nullptr);
}

void CMediaOutputFileNameMonitor::SetOutputType(COutputType2* output)
{
    RetargetListenedReference(*this, m_output, output);
    CMediaOutput2* media = m_output && m_output->IsInstanceOf(FourCharCode("mdo2")) ? static_cast<CMediaOutput2*>(m_output)
                                                                                    : nullptr;
    SetRealOutput(media ? &media->GetRealOutput() : nullptr);
}

void CMediaOutputFileNameMonitor::SetRealOutput(CRealOutput* real)
{
    RetargetListenedReference(*this, m_real, real);
}

CString CMediaOutputFileNameMonitor::GetExtension()
{
    if (!m_output) return CString();
    return UOutputFileNames::GetOutputExtension(m_output->GetSplitterType(), m_audioOnly, m_output->UseVbrExtension());
}

void CMediaOutputFileNameMonitor::Update()
{
    if (!m_file || !m_output || m_file->GetFileNameOnly().IsEmpty()) return;
    // An unknown type leaves the name as it is rather than dropping its extension.
    if (!UFormatRows::Find(m_output->GetSplitterType())) return;
    m_file->ReplaceExtension(GetExtension());
}

bool CMediaOutputFileNameMonitor::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == COutputType2::kSplitterTypeChangedNotice) {
        Update();
        return true;
    }
    if (code == CRealOutput::kProfileChangedNotice) {
        if (!m_audioOnly) Update();
        return true;
    }
    return CListener::Respond(code, sender, a, b);
}

bool CMediaOutputFileNameMonitor::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_output, p);
        ForgetDyingReference(m_real, p);
    }
    return CListener::ListenToMessage(message, p, q);
}
