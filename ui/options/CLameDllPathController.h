#pragma once
// The path of the MP3 encoder library.
#include "CPathSettingController.h"

class CButton;
class CFilePrompter;
class CSettingLameDll;

class CLameDllPathController : public CPathSettingController {
public:
    CLameDllPathController();

    char* GetText() override;
    virtual void PromptFilePath();
    virtual void FillPrompter(CFilePrompter& prompter);

    void SetControls(CEntryField* path, CButton* browse);

protected:
    CString GetPath(int slot) override;
    bool SetPath(int slot, const char* path) override;
    LONG GetNotice(int slot) const override;

private:
    CSettingLameDll* GetSetting() const;
    CButton* m_browse = nullptr;
};
