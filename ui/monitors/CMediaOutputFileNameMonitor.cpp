#include "CMediaOutputFileNameMonitor.h"

#include "COutputType2.h"
#include "CRealOutput.h"
#include "CSaveFile2.h"
#include "UFormatRows.h"
#include "UOutputFileNames.h"

CString CMediaOutputFileNameMonitor::GetExtension()
{
    if (!m_output) return CString();
    return UOutputFileNames::GetOutputExtension(GetSplitterType(), m_audioOnly, UseVbrExtension());
}

void CMediaOutputFileNameMonitor::Update()
{
    if (!m_file || !m_output || m_file->GetFileNameOnly().IsEmpty()) return;
    // An unknown type leaves the name as it is rather than dropping its extension.
    if (!UFormatRows::Find(GetSplitterType())) return;
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
    return COutputTypeFollower::Respond(code, sender, a, b);
}
