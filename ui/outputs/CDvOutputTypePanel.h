#pragma once
// The output type page of a DV job: AVI or DV.
#include "CDvOutputController.h"
#include "TOutputTypePanel.h"

class CDvOutputTypePanel : public TOutputTypePanel<CDvOutputController> {
public:
    CDvOutputTypePanel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7068;

protected:
    void OnTypeChanged();
    DECLARE_MESSAGE_MAP()
};
