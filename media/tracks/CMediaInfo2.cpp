#include "CMediaInfo2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaInfo2, CPersistObject, FourCharCode("mif2"))

namespace {
const char* const kEstimateTag = "estimate";
const char* const kStatusTag = "status";
}

void CMediaInfo2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kEstimateTag, m_estimatedSize);
    storage.Save(kStatusTag, m_status);
}

void CMediaInfo2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kEstimateTag, m_estimatedSize);
    storage.Load(kStatusTag, m_status);
}

double CMediaInfo2::GetConversionDuration() { return 0; }

void CMediaInfo2::Close()
{
    SetEstimatedSize(0);
    SetStatus(0);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CMediaInfo2, EstimatedSize, ULONG, ULONG, m_estimatedSize, kEstimatedSizeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaInfo2, Status, EProcessStatus, EProcessStatus, m_status, kStatusChangedNotice)
