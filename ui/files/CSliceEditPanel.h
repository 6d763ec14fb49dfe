#pragma once
// The transport bar of a file being cut into slices, with split, add and remove.
#include "CSliceTransportPanel.h"

class CSliceEditPanel : public CSliceTransportPanel {
public:
    CSliceEditPanel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7028;
};
