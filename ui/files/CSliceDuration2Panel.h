#pragma once
// One slice of a media file: its start and end, and whether it is glued to its neighbours.
#include "CSliceDuration2Controller.h"
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"
#include "afx/controls/CStatic.h"

class CMediaFile2;

class CSliceDuration2Panel : public CResourceObjectPanel {
public:
    CSliceDuration2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    BOOL OnInitDialog() override;
    // The file the slice belongs to; the page does not own it.
    void SetMediaFile(CMediaFile2* file) { m_controller.SetMediaFile(file); }

    enum : int {
        kStartLabel = 11147,
        kStart = 11148,
        kEndLabel = 11150,
        kEnd = 11151,
        kLinkPrevious = 11149,
        kLinkNext = 11152,
    };
    static constexpr unsigned kTemplate = 7029;

protected:
    void OnLinkPrevious();
    void OnLinkNext();
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_startLabel;
    CEntryField m_start;
    CStatic m_endLabel;
    CEntryField m_end;
    CTooltipButton m_linkPrevious;
    CTooltipButton m_linkNext;
    CSliceDuration2Controller m_controller;
};
