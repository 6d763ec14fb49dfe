#pragma once
// The page of the one file a job writes.
#include "CSaveFile2Controller.h"
#include "CSaveLocationPanel.h"

class CSaveFile2Panel : public CSaveLocationPanel {
public:
    CSaveFile2Panel(bool audio, unsigned long applicationId, CWnd* parent);

    BOOL OnInitDialog() override;
    // The output whose type chooses the save prompter's filters.
    void SetOutput(COutputType2* output) { m_controller.SetOutput(output); }
    CSaveFile2Controller& GetSaveController() { return m_controller; }

    static constexpr unsigned kTemplate = 7033;

protected:
    CSaveFile2Controller& SaveController() override { return m_controller; }

private:
    CSaveFile2Controller m_controller;
};
