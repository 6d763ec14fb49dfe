#include "CQuickTimeExportPersist.h"

#include "CQuickTimeExportTypePersist.h"

MV_IMPLEMENT_PERSIST_CLASS(CQuickTimeExportPersist, CPersistObject, CQuickTimeExportPersist::kType)

CQuickTimeExportPersist* CQuickTimeExportPersist::sData = nullptr;

CQuickTimeExportPersist::CQuickTimeExportPersist()
{
    m_types.SetChildClassId(CQuickTimeExportTypePersist::kType);
    if (!sData) sData = this;
}

CQuickTimeExportPersist::CQuickTimeExportPersist(const CQuickTimeExportPersist& other)
    : CPersistObject(other), m_types(other.m_types)
{
}

CQuickTimeExportPersist::~CQuickTimeExportPersist()
{
    if (sData == this) sData = nullptr;
}

void CQuickTimeExportPersist::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_types.Save("export", storage);
}

void CQuickTimeExportPersist::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_types.Load("export", storage);
}

CQuickTimeExportTypePersist* CQuickTimeExportPersist::GetType(int index) const
{
    return dynamic_cast<CQuickTimeExportTypePersist*>(m_types.GetAt(index));
}

CQuickTimeExportTypePersist* CQuickTimeExportPersist::Find(LONG type) const
{
    for (int i = 0; i < m_types.GetItemCount(); ++i)
        if (CQuickTimeExportTypePersist* record = GetType(i); record && record->GetSplitterType() == type) return record;
    return nullptr;
}

CQuickTimeExportTypePersist* CQuickTimeExportPersist::Add(LONG type)
{
    if (CQuickTimeExportTypePersist* found = Find(type)) return found;
    auto* record = new CQuickTimeExportTypePersist;
    record->SetSplitterType(type);
    m_types.Add(record);
    return record;
}

CQtExportSettings* CQuickTimeExportPersist::Find(LONG type, LONG tv, const char* video, const char* audio, ULONG rate,
                                                 unsigned short channels, unsigned short bits, ULONG bitrate)
{
    return Add(type)->Find(tv, video, audio, rate, channels, bits, bitrate);
}

CQtExportSettings* CQuickTimeExportPersist::RoughFind(LONG type, LONG tv, const char* video, const char* audio,
                                                      ULONG rate, unsigned short channels, unsigned short bits,
                                                      ULONG bitrate)
{
    return Add(type)->RoughFind(tv, video, audio, rate, channels, bits, bitrate);
}
