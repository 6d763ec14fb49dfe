#include "CVideoCodecSize.h"

#include "CPersistStorage.h"
#include "TSortedPersistList.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoCodecSize, CPersistObject, CVideoCodecSize::kType)

void CVideoCodecSize::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save("width", m_width);
    storage.Save("height", m_height);
}

void CVideoCodecSize::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load("width", m_width);
    storage.Load("height", m_height);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CVideoCodecSize, Width, unsigned short, unsigned short, m_width, kWidthChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoCodecSize, Height, unsigned short, unsigned short, m_height, kHeightChangedNotice)

void CVideoCodecSize::MakeSizeList(CPersistList& list)
{
    list.SetChildClassId(kType);
    list.SetCompareFunction(ComparePersistItems<CVideoCodecSize, &CVideoCodecSize::GetSortKey>);
}

CVideoCodecSize* CVideoCodecSize::FindIn(const CPersistList& list, unsigned short width, unsigned short height)
{
    return FindSizeIn<CVideoCodecSize>(list, width, height);
}

CVideoCodecSize* CVideoCodecSize::AddIn(CPersistList& list, unsigned short width, unsigned short height)
{
    return AddSizeIn<CVideoCodecSize>(list, width, height);
}
