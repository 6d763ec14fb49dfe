#pragma once
// The page of a recording's file, with automatic date-and-time naming.
#include "CSaveFile2Controller.h"
#include "CSaveLocationPanel.h"

class CSaveFileRecordingPanel : public CSaveLocationPanel {
public:
    CSaveFileRecordingPanel(bool audio, unsigned long applicationId, CWnd* parent);

    BOOL OnInitDialog() override;
    void SetOutput(COutputType2* output) { m_controller.SetOutput(output); }

    static constexpr unsigned kTemplate = 7123;

protected:
    CSaveFile2Controller& SaveController() override { return m_controller; }
    bool HasAutoName() const override { return true; }
    void OnAutoName();
    DECLARE_MESSAGE_MAP()

private:
    CSaveFile2Controller m_controller;
};
