#include "CSaveDir2.h"

#include "CPersistStorage.h"
#include "UStringBuffer.h"

MV_IMPLEMENT_PERSIST_CLASS(CSaveDir2, CSaveFile2, FourCharCode("svd2"))

namespace {
const char* const kSameDirTag = "same dir";
}

const char* CSaveDir2::ValidateSelf()
{
    if (!m_sameDirectory && GetFilePath().IsEmpty())
        return UStringBuffer::Text("Please specify the output directory path.");
    return nullptr;
}

void CSaveDir2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CSaveFile2::SaveSelf(name, storage);
    storage.Save(kSameDirTag, m_sameDirectory);
}

void CSaveDir2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CSaveFile2::LoadSelf(name, storage);
    storage.Load(kSameDirTag, m_sameDirectory);
}

CString CSaveDir2::ValidateFilePath(const char* path)
{
    CString folder(path ? path : "");
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != '/') folder += "/";
    return folder;
}

MV_IMPLEMENT_PLAIN_VALIDATOR(CSaveDir2, SameDirectory, bool, bool)
void CSaveDir2::SideEffectSameDirectoryChanged() { SetFileReplace(GetFileReplace()); }
MV_IMPLEMENT_PROPERTY_SETTER(CSaveDir2, SameDirectory, bool, m_sameDirectory, kSameDirectoryChangedNotice)
