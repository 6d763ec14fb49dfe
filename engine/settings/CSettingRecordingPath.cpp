#include "CSettingRecordingPath.h"

#include "StApplicationId.h"
#include "UDirectoryUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CSettingRecordingPath, CDualPersistPath, FourCharCode("rcpa"))

namespace {

const char* RecordingsFolder(unsigned long id)
{
    switch (id) {
    case 49534:
        return "My Brivast Recordings\\";
    case 11097:
    case 19084:
        return "My 3D Webcam Recordings\\";
    case 45389:
        return "My Audio Recordings\\";
    case 49661:
    case 56631:
        return "My Webcam Recordings\\";
    case 29771:
    case 79001:
        return "My Screen Recordings\\";
    default:
        return "My Recordings\\";
    }
}

}  // namespace

CString CSettingRecordingPath::GetDefaultFolder()
{
    CString folder(UDirectoryUtils::GetMyDocumentsDirectory());
    folder += RecordingsFolder(StApplicationId::Id());
    return folder;
}

void CSettingRecordingPath::LoadSelf(const char* name, CPersistStorage& storage)
{
    CDualPersistPath::LoadSelf(name, storage);
    if (GetFilePath().IsEmpty()) SetFilePath(GetDefaultFolder());
}
