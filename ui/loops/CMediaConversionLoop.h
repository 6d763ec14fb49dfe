#pragma once
// Converts the files of a media batch one after another to the batch's one output, keeping
// every file's status and naming the failed ones at the end.
#include "CConversionRun.h"
#include "CMediaPlaybackLoop.h"

class CMediaOutput2;
class CSaveDir2;

class CMediaConversionLoop : public CMediaPlaybackLoop {
public:
    CMediaConversionLoop();

    void Reset() override;
    bool Start() override;
    void Skip() override;
    void Cancel() override;
    void OnComplete() override;
    bool NextItem() override;
    void FailItem() override;
    void FinishLoop() override;
    void SetBatch(CFileBatch2* batch) override;
    char* GetText() override;

    virtual void ResetStatus();

    bool ValidateConversion();
    void PrepareSaveFile();
    void SetSaveDir(CSaveDir2* folder) { m_saveDir = folder; }
    void SetOutput(CMediaOutput2* output) { m_output = output; }
    CSaveFile2& GetSaveFile() { return m_run.GetSaveFile(); }

protected:
    // What the audio and video loops do with their conversion administrator.
    CDirectShowAdministrator2* MakeConverter();
    bool ConvertCurrentFile();
    double ConverterProgress();
    CProgressAction* ConverterAction();

    CConversionRun m_run;
    CMediaOutput2* m_output = nullptr;
    CSaveDir2* m_saveDir = nullptr;
};
