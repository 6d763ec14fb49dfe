#pragma once
// The edits of the preset and platform pages that the common page builders lack.
#include "UPanelTemplates.h"
#include "win32/controls/CtlMessages.h"

class UTargetPageItems {
public:
    // Notes, directories and sync texts run over several lines; Enter breaks the line.
    static MvDialogItem MultiLineEdit(int id, short x, short y, short cx, short cy)
    {
        MvDialogItem item = UPanelTemplates::Edit(id, x, y, cx, cy);
        item.style = (item.style & ~static_cast<DWORD>(ES_AUTOHSCROLL)) | ES_MULTILINE | ES_WANTRETURN |
                     ES_AUTOVSCROLL | WS_VSCROLL;
        return item;
    }
    static MvDialogItem ReadOnly(MvDialogItem item)
    {
        item.style |= ES_READONLY;
        return item;
    }
};
