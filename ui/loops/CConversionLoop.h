#pragma once
// Converts the jobs of a conversion batch one after another, each to its own output, keeping
// every job's status and naming the failed ones at the end.
#include "CConversionPlaybackLoop.h"
#include "CConversionRun.h"

class CSaveDir2;

class CConversionLoop : public CConversionPlaybackLoop {
public:
    CConversionLoop();

    void Reset() override;
    CDirectShowAdministrator2* CreateAdministratorSelf() override;
    bool Start() override;
    void Skip() override;
    void Cancel() override;
    void OnComplete() override;
    bool NextItem() override;
    bool ProcessItem() override;
    void FailItem() override;
    void FinishLoop() override;
    void SetBatch(CConversionBatch* batch) override;
    char* GetText() override;
    double GetProgress() override;
    CProgressAction* GetChildAction() override;

    virtual void PrepareSaveFile();
    virtual void ResetStatus();

    void SetSaveDir(CSaveDir2* folder) { m_saveDir = folder; }
    CSaveFile2& GetSaveFile() { return m_run.GetSaveFile(); }

protected:
    CConversionRun m_run;
    CSaveDir2* m_saveDir = nullptr;
};
