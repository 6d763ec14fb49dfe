#pragma once
// Writes one input file to each output of a list of outputs, each with its own settings and
// file, naming the outputs that could not be written at the end.
#include "CListWalkingLoop.h"
#include "CPointerList.h"
#include "CRepeatPrompter.h"

class CMediaConversionOutputs;
class CMediaFile2;
class CMediaOutputList;
class CMediaWriter2;

class CMediaOutputLoop : public CListWalkingLoop {
public:
    CMediaOutputLoop();

    void Reset() override;
    CDirectShowAdministrator2* CreateAdministratorSelf() override;
    bool Start() override;
    bool ProcessItem() override;
    void FailItem() override;
    void FinishLoop() override;
    char* GetText() override;
    double GetProgress() override;
    CProgressAction* GetChildAction() override;

    void SetConversion(CMediaConversionOutputs* conversion);
    void SetOutputList(CMediaOutputList* outputs);
    void SetInputFile(CMediaFile2* input) { m_input = input; }
    // Every output converts the same part of the input.
    double CalculateTotalTime() override;
    CMediaWriter2* GetCurrentOutput() const;

protected:
    double ItemDuration(CPersistObject* item) const override;

private:
    CMediaFile2* m_input = nullptr;
    CRepeatPrompter m_prompter;
    CPointerList m_failed;
};
