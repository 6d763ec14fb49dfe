#include "CRecordingPathController.h"

#include "CSettingRecordingPath.h"
#include "UStringBuffer.h"

CRecordingPathController::CRecordingPathController()
{
    mExpectedType = FourCharCode("rcpa");
}

CSettingRecordingPath* CRecordingPathController::GetSetting() const
{
    return static_cast<CSettingRecordingPath*>(GetObjectA());
}

void CRecordingPathController::SetControls(CEntryField* path, CButton*)
{
    SetFields(path, nullptr);
}

CString CRecordingPathController::GetPath(int slot)
{
    return slot == 0 && GetSetting() ? GetSetting()->GetFilePath() : CString();
}

bool CRecordingPathController::SetPath(int slot, const char* path)
{
    return slot == 0 && GetSetting() && GetSetting()->SetFilePath(path);
}

LONG CRecordingPathController::GetNotice(int slot) const
{
    return slot == 0 ? CPersistPath::kFilePathChangedNotice : 0;
}

char* CRecordingPathController::GetText()
{
    return UStringBuffer::Text(GetSetting() ? GetSetting()->GetFilePath() : CString());
}
