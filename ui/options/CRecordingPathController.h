#pragma once
// The folder recordings are saved to.
#include "CPathSettingController.h"

class CButton;
class CSettingRecordingPath;

class CRecordingPathController : public CPathSettingController {
public:
    CRecordingPathController();

    char* GetText() override;
    virtual void PromptFilePath() { PromptFolder(0); }

    void SetControls(CEntryField* path, CButton* browse);

protected:
    CString GetPath(int slot) override;
    bool SetPath(int slot, const char* path) override;
    LONG GetNotice(int slot) const override;

private:
    CSettingRecordingPath* GetSetting() const;
};
