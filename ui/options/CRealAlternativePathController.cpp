#include "CRealAlternativePathController.h"

#include "CSettingRealAlternative.h"
#include "UStringBuffer.h"

CRealAlternativePathController::CRealAlternativePathController()
{
    mExpectedType = FourCharCode("ldll");
}

CSettingRealAlternative* CRealAlternativePathController::GetSetting() const
{
    return static_cast<CSettingRealAlternative*>(GetObjectA());
}

void CRealAlternativePathController::SetControls(CEntryField* realAlternative, CButton*, CEntryField* realPlayer,
                                                 CButton*)
{
    SetFields(realAlternative, realPlayer);
}

CString CRealAlternativePathController::GetPath(int slot)
{
    if (!GetSetting()) return CString();
    return slot == 0 ? GetSetting()->GetFilePath() : GetSetting()->GetFilePath2();
}

bool CRealAlternativePathController::SetPath(int slot, const char* path)
{
    if (!GetSetting()) return false;
    return slot == 0 ? GetSetting()->SetFilePath(path) : GetSetting()->SetFilePath2(path);
}

LONG CRealAlternativePathController::GetNotice(int slot) const
{
    return slot == 0 ? CPersistPath::kFilePathChangedNotice : CDualPersistPath::kFilePath2ChangedNotice;
}

char* CRealAlternativePathController::GetText()
{
    return UStringBuffer::Text(GetSetting() ? GetSetting()->GetFilePath() : CString());
}
