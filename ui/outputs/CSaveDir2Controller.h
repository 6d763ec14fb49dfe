#pragma once
// Binds the folder a batch writes into: a folder of its own, or each input's folder.
#include "CSaveFile2Controller.h"

class CSaveDir2;

class CSaveDir2Controller : public CSaveFile2Controller {
public:
    CSaveDir2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetDefault() override {}
    void Refresh() override;
    char* GetText() override;
    void PromptFilePath() override;

    void SetMoreControls(CButton* specify, CButton* sameDir);
    void ReflectSameDir();
    void EnterSameDir(bool sameDir);

private:
    CSaveDir2* GetSaveDir() const;

    CButton* m_specify = nullptr;
    CButton* m_sameDir = nullptr;
};
