#pragma once
// The file type page of exports that may carry video, audio or both.
#include "CDynamicOutputTypeController.h"
#include "CMediaOutputTypePanel.h"

class CDynamicOutputTypePanel : public CMediaOutputTypePanel {
public:
    CDynamicOutputTypePanel(unsigned long applicationId, CWnd* parent);

    // Disabling the page disables its dependent pages; enabling re-evaluates them.
    void OnEnable(bool enable) override { m_controller.OnEnable(enable); }
    void SetPanels(CPanel* p1, CPanel* p2, CPanel* p3, CPanel* p4, CPanel* p5, CPanel* p6, CPanel* p7, CPanel* p8,
                   CPanel* p9, CPanel* p10, CPanel* p11)
    {
        m_controller.SetPanels(p1, p2, p3, p4, p5, p6, p7, p8, p9, p10, p11);
    }

protected:
    CMediaOutputTypeController& TypeController() override { return m_controller; }

private:
    CDynamicOutputTypeController m_controller;
};
