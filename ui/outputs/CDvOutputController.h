#pragma once
// Chooses between the AVI and DV output types of a DV job.
#include "COutputType2Controller.h"

class CDvOutputController : public COutputType2Controller {
public:
    // Anything but AVI or DV becomes AVI.
    void SetDefault() override;
    void PopulateSplitterTypeCombo() override;
};
