#include "CImageFile2.h"

MV_IMPLEMENT_PERSIST_CLASS(CImageFile2, CPersistObject, FourCharCode("ifi2"))

namespace {
const char* const kPathTag = "path";
const char* const kInfoTag = "info";
}

void CImageFile2::Clear()
{
    CPersistObject::Clear();
    m_path.Clear();
    m_info.Clear();
}

void CImageFile2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_path.Save(kPathTag, storage);
    m_info.Save(kInfoTag, storage);
}

void CImageFile2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_path.Load(kPathTag, storage);
    m_info.Load(kInfoTag, storage);
}
