#include "CSaveFile2.h"

#include "CEnumMap.h"
#include "CPersistStorage.h"
#include "UStringBuffer.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CSaveFile2, CPersistFile2, FourCharCode("svf2"))

namespace {
const char* const kAutoRenameTag = "auto rename";
const char* const kReplaceTag = "replace";
}

bool CSaveFile2::GetEnumText(const char* field, CEnumMap& map)
{
    if (field && std::strcmp(field, kReplaceTag) == 0) {
        map.Add(0, "Ask");
        map.Add(1, "Overwrite");
        map.Add(2, "Rename");
        return true;
    }
    return CPersistFile2::GetEnumText(field, map);
}

const char* CSaveFile2::ValidateSelf()
{
    if (GetFilePath().IsEmpty()) return UStringBuffer::Text("Please specify the output file name.");
    return nullptr;
}

void CSaveFile2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistFile2::SaveSelf(name, storage);
    storage.Save(kAutoRenameTag, m_autoNaming);
    storage.Save(kReplaceTag, m_fileReplace);
}

void CSaveFile2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistFile2::LoadSelf(name, storage);
    storage.Load(kAutoRenameTag, m_autoNaming);
    storage.Load(kReplaceTag, m_fileReplace);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CSaveFile2, AutoNaming, bool, bool, m_autoNaming, kAutoNamingChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CSaveFile2, FileReplace, EFileReplace, EFileReplace, m_fileReplace,
                            kFileReplaceChangedNotice)
