#pragma once
// The transport bar of a file being trimmed: the slice bar without split, add and remove.
#include "CSliceTransportPanel.h"

class CDurationEditPanel : public CSliceTransportPanel {
public:
    CDurationEditPanel(unsigned long applicationId, CWnd* parent);

    static constexpr unsigned kTemplate = 7045;
};
