#pragma once
// The plain output type page: every type the application offers.
#include "COutputType2Controller.h"
#include "TOutputTypePanel.h"

class COutputType2Panel : public TOutputTypePanel<COutputType2Controller> {
public:
    COutputType2Panel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7030;

protected:
    void OnTypeChanged();
    DECLARE_MESSAGE_MAP()
};
