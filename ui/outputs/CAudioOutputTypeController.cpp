#include "CAudioOutputTypeController.h"

#include "CFormatType.h"
#include "COutputType2.h"
#include "StWindowUpdate.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"

void CAudioOutputTypeController::SetDefault()
{
    if (GetOutputType() && GetOutputType()->GetSplitterType() == 0) GetOutputType()->SetSplitterType(kSplitterTypeWav);
}

void CAudioOutputTypeController::SetMoreControls(CButton* configure)
{
    m_configure = configure;
    UWindowsUtils::ShowWindow(m_configure, false);
}

void CAudioOutputTypeController::SetPanels(CPanel* wm, CPanel* real, CPanel* audio, CPanel* audio2, CPanel* complexity)
{
    m_panels[0] = wm;
    m_panels[1] = real;
    m_panels[2] = audio;
    m_panels[3] = audio2;
    m_panels[4] = complexity;
    Refresh();
}

void CAudioOutputTypeController::ReflectSplitterType()
{
    COutputType2Controller::ReflectSplitterType();
    CFormatType* row = GetFormat();
    if (!row) return;
    static const LONG kMasks[5] = {4, 8, 2, 2, 64};
    StWindowUpdate update;
    for (int i = 0; i < 5; ++i) UWindowsUtils::EnablePanel(m_panels[i], row->AllowInterface(kMasks[i]));
}
