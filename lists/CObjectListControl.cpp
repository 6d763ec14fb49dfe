#include "CObjectListControl.h"

#include "afx/windows/MessageMap.h"

BEGIN_MESSAGE_MAP(CObjectListControl, CListCtrl)
    MV_OBJECT_LIST_MESSAGE_ENTRIES()
END_MESSAGE_MAP()
