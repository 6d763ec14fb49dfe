#include "CImageInfo2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CImageInfo2, CPersistObject, FourCharCode("iinf"))

namespace {
const char* const kWidthTag = "width";
const char* const kHeightTag = "height";
}

void CImageInfo2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kWidthTag, m_width);
    storage.Save(kHeightTag, m_height);
}

void CImageInfo2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kWidthTag, m_width);
    storage.Load(kHeightTag, m_height);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CImageInfo2, Width, unsigned short, unsigned short, m_width, kWidthChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CImageInfo2, Height, unsigned short, unsigned short, m_height, kHeightChangedNotice)
