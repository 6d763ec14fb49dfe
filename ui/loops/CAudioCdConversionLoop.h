#pragma once
// Rips the checked tracks of an audio CD one after another to the batch's output, keeping
// each track's status and naming the failed tracks at the end.
#include "CAudioCdPlaybackLoop.h"
#include "CConversionRun.h"

class CMediaOutput2;
class CSaveDir2;

class CAudioCdConversionLoop : public CAudioCdPlaybackLoop {
public:
    CAudioCdConversionLoop();

    void Reset() override;
    CDirectShowAdministrator2* CreateAdministrator() override;
    bool Start() override;
    void Skip() override;
    void Cancel() override;
    void OnComplete() override;
    bool NextItem() override;
    bool ProcessItem() override;
    void FailItem() override;
    void FinishLoop() override;
    void SetBatch(CAudioCdRipperData* batch) override;
    double CalculateTotalTime() override;
    char* GetText() override;
    double GetProgress() override;
    CProgressAction* GetChildAction() override;

    virtual void ResetStatus();

    // The first checked track after the given one (from the first track for null).
    CAudioCdTrack2* NextTrack(CAudioCdTrack2* track) const;
    void PrepareSaveFile();
    void SetOutput(CMediaOutput2* output) { m_output = output; }
    void SetSaveDir(CSaveDir2* folder) { m_saveDir = folder; }
    CSaveFile2& GetSaveFile() { return m_run.GetSaveFile(); }

private:
    CConversionRun m_run;
    CMediaOutput2* m_output = nullptr;
    CSaveDir2* m_saveDir = nullptr;
};
