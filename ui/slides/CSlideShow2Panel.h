#pragma once
// The slide show page: how slides get their seconds, and the seconds shared by all.
#include "CEntryCombo.h"
#include "CResourceObjectPanel.h"
#include "CSlideShow2Controller.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CSlideShow2Panel : public CResourceObjectPanel {
public:
    CSlideShow2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kDurationLabel = 7021,
        kDurationType = 7024,
        kDuration = 11113,
        kDurationUnit = 7023,
    };
    static constexpr unsigned kTemplate = 7044;

protected:
    // A choice goes to the show at once, so the list never shows what the show does not hold.
    void OnDurationTypeChanged();
    void OnDurationChanged();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_durationLabel;
    CComboBox m_durationType;
    CEntryCombo m_duration;
    CStatic m_durationUnit;
    CSlideShow2Controller m_controller;
};
