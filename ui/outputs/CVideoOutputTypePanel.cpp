#include "CVideoOutputTypePanel.h"

CVideoOutputTypePanel::CVideoOutputTypePanel(unsigned long applicationId, CWnd* parent)
    : CMediaOutputTypePanel(applicationId, parent)
{
    SetController(&m_controller);
}
