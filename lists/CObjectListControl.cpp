#include "CObjectListControl.h"

#include "afx/MessageMap.h"

BEGIN_MESSAGE_MAP(CObjectListControl, CListCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemchanged)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGING, OnItemchanging)
    ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndlabeledit)
END_MESSAGE_MAP()
