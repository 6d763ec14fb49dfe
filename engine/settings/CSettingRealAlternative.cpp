#include "CSettingRealAlternative.h"

MV_IMPLEMENT_PERSIST_CLASS(CSettingRealAlternative, CDualPersistPath, FourCharCode("ldll"))

const char* const CSettingRealAlternative::kDefaultRealAlternative = "C:\\Program Files\\Real Alternative\\";
const char* const CSettingRealAlternative::kDefaultRealPlayer = "C:\\Program Files\\Real\\RealPlayer\\";

CSettingRealAlternative::CSettingRealAlternative()
{
    FillEmptyFolders();
}

void CSettingRealAlternative::LoadSelf(const char* name, CPersistStorage& storage)
{
    CDualPersistPath::LoadSelf(name, storage);
    FillEmptyFolders();
}

void CSettingRealAlternative::FillEmptyFolders()
{
    if (GetFilePath().IsEmpty()) SetFilePath(kDefaultRealAlternative);
    if (GetFilePath2().IsEmpty()) SetFilePath2(kDefaultRealPlayer);
}
