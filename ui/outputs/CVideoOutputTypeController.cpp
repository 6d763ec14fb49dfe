#include "CVideoOutputTypeController.h"

#include "CFormatType.h"
#include "CPanel.h"
#include "UFormatRows.h"

void CVideoOutputTypeController::SetPanels(CPanel* p1, CPanel* p2, CPanel* p3, CPanel* p4, CPanel* p5, CPanel* p6,
                                           CPanel* p7, CPanel* p8, CPanel* p9, CPanel* p10, CPanel* p11,
                                           CPanel* p12, CPanel* p13, CPanel* p14)
{
    CMediaOutputTypeController::SetPanels({p1, p2, p3, p4, p5, p6, p7, p8, p9, p10, p11, p12, p13, p14});
}

bool CVideoOutputTypeController::PanelEnabled(int slot, CFormatType* row)
{
    const bool upload = row->GetSplitterType() == kSplitterTypeWebImages;
    switch (slot) {
    case 0: return UFormatRows::HasTvOption(row);
    case 1: return row->AllowInterface(4);
    case 2: return row->AllowInterface(8);
    case 3:
    case 4: return row->AllowInterface(1);
    case 5:
    case 6: return WantsAudio() && row->AllowInterface(2);
    case 7: return row->AllowInterface(16);
    case 8: return row->AllowInterface(32);
    case 9: return WantsAudio() && row->AllowInterface(64);
    case 10: return m_panels[10] && m_panels[10]->IsEnabled();  // kept as it is
    case 11: return !upload;
    default: return upload;
    }
}
