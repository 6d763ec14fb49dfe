#pragma once
// The start and end of a time range, typed as time codes.
#include "CDuration2Controller.h"
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CStatic.h"

class CDuration2Panel : public CResourceObjectPanel {
public:
    CDuration2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kStartLabel = 11147,
        kStart = 11148,
        kEndLabel = 11150,
        kEnd = 11151,
    };
    static constexpr unsigned kTemplate = 7047;

private:
    CStatic m_startLabel;
    CEntryField m_start;
    CStatic m_endLabel;
    CEntryField m_end;
    CDuration2Controller m_controller;
};
