#pragma once
// The folders of Real Alternative and of RealPlayer.
#include "CPathSettingController.h"

class CButton;
class CSettingRealAlternative;

class CRealAlternativePathController : public CPathSettingController {
public:
    CRealAlternativePathController();

    char* GetText() override;
    virtual void PromptFilePath() { PromptFolder(0); }
    virtual void PromptFilePath2() { PromptFolder(1); }

    void SetControls(CEntryField* realAlternative, CButton* browse, CEntryField* realPlayer, CButton* browse2);

protected:
    CString GetPath(int slot) override;
    bool SetPath(int slot, const char* path) override;
    LONG GetNotice(int slot) const override;

private:
    CSettingRealAlternative* GetSetting() const;
};
