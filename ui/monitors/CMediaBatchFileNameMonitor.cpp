#include "CMediaBatchFileNameMonitor.h"

#include "CMediaFile2.h"
#include "COutputType2.h"
#include "CPersistList.h"
#include "CRealOutput.h"
#include "TListenedReference.h"
#include "UOutputFileNames.h"

CMediaBatchFileNameMonitor::CMediaBatchFileNameMonitor(const CMediaBatchFileNameMonitor& other)
    : COutputTypeFollower(other), m_audioOnly(other.m_audioOnly)
{
    SetFiles(other.m_files);
}

CMediaBatchFileNameMonitor& CMediaBatchFileNameMonitor::operator=(const CMediaBatchFileNameMonitor& other)
{
    if (this == &other) return *this;
    COutputTypeFollower::operator=(other);
    m_audioOnly = other.m_audioOnly;
    SetFiles(other.m_files);
    return *this;
}

CMediaBatchFileNameMonitor::~CMediaBatchFileNameMonitor()
{
    SetFiles(nullptr);
}

void CMediaBatchFileNameMonitor::SetFiles(CPersistList* files)
{
    RetargetListenedReference(*this, m_files, files);
}

void CMediaBatchFileNameMonitor::UpdateItem(CPersistObject* item)
{
    if (!item || !item->IsInstanceOf(FourCharCode("mfl2"))) return;
    UOutputFileNames::SetOutputFileName(static_cast<CMediaFile2*>(item), nullptr, GetSplitterType(), m_audioOnly,
                                        UseVbrExtension());
}

void CMediaBatchFileNameMonitor::Update()
{
    for (int i = 0; m_files && i < m_files->GetItemCount(); ++i) UpdateItem(m_files->GetAt(i));
}

bool CMediaBatchFileNameMonitor::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CPersistList::kListItemAddedNotice:
        UpdateItem(reinterpret_cast<CPersistObject*>(a));
        return true;
    case COutputType2::kSplitterTypeChangedNotice:
        Update();
        return true;
    case CRealOutput::kProfileChangedNotice:
        if (!m_audioOnly) Update();
        return true;
    default:
        return COutputTypeFollower::Respond(code, sender, a, b);
    }
}

bool CMediaBatchFileNameMonitor::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_files, p);
    return COutputTypeFollower::ListenToMessage(message, p, q);
}
