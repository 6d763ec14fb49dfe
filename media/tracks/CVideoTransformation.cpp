#include "CVideoTransformation.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoTransformation, CPersistObject, FourCharCode("vitr"))

namespace {
const char* const kFlipTag = "flip";
const char* const kRotateTag = "rotate";
}

void CVideoTransformation::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kFlipTag, m_flip);
    storage.Save(kRotateTag, m_rotate);
}

void CVideoTransformation::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kFlipTag, m_flip);
    storage.Load(kRotateTag, m_rotate);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CVideoTransformation, Flip, EImageFlip, EImageFlip, m_flip, kFlipChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CVideoTransformation, Rotate, EImageRotation, EImageRotation, m_rotate,
                            kRotateChangedNotice)
