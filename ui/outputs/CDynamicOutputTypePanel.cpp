#include "CDynamicOutputTypePanel.h"

CDynamicOutputTypePanel::CDynamicOutputTypePanel(unsigned long applicationId, CWnd* parent)
    : CMediaOutputTypePanel(applicationId, parent)
{
    SetController(&m_controller);
}
