#include "CQuickTimePersist.h"

MV_IMPLEMENT_PERSIST_CLASS(CQuickTimePersist, CPersistObject, CQuickTimePersist::kType)

CQuickTimePersist* CQuickTimePersist::sData = nullptr;

CQuickTimePersist::CQuickTimePersist()
{
    if (!sData) sData = this;
}

CQuickTimePersist::CQuickTimePersist(const CQuickTimePersist& other) : CPersistObject(other), m_video(other.m_video) {}

CQuickTimePersist::~CQuickTimePersist()
{
    if (sData == this) sData = nullptr;
}

void CQuickTimePersist::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_video.Save("video", storage);
}

void CQuickTimePersist::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_video.Load("video", storage);
}
