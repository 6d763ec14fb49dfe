#pragma once
// Edits a DV camcorder recorder: the camcorder, through an embedded DV source controller.
#include "CDvSource2Controller.h"
#include "CVideoHotPlugController.h"

class CComboBox;

class CDvRecorder2Controller : public CVideoHotPlugController {
public:
    CDvRecorder2Controller() = default;

    void SetDefault() override;
    char* GetText() override;
    void SetVideoSource(CVideoSource2* source) override;
    void RefreshSource() override;

    void SetControls(CComboBox* device);
    void EnterDevice();

    CDvSource2Controller& GetSourceController() { return m_source; }

protected:
    CDvSource2Controller m_source;
};
