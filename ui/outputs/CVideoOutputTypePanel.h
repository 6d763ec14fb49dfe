#pragma once
// The file type page of the video export dialogs.
#include "CMediaOutputTypePanel.h"
#include "CVideoOutputTypeController.h"

class CVideoOutputTypePanel : public CMediaOutputTypePanel {
public:
    CVideoOutputTypePanel(unsigned long applicationId, CWnd* parent);

    void SetPanels(CPanel* p1, CPanel* p2, CPanel* p3, CPanel* p4, CPanel* p5, CPanel* p6, CPanel* p7, CPanel* p8,
                   CPanel* p9, CPanel* p10, CPanel* p11, CPanel* p12, CPanel* p13, CPanel* p14)
    {
        m_controller.SetPanels(p1, p2, p3, p4, p5, p6, p7, p8, p9, p10, p11, p12, p13, p14);
    }

protected:
    CMediaOutputTypeController& TypeController() override { return m_controller; }

private:
    CVideoOutputTypeController m_controller;
};
