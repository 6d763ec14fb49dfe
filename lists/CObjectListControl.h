#pragma once
// A list-view that shows the objects of a persistent list, one row per object.
#include "TObjectListBase.h"
#include "afx/controls/CListCtrl.h"

class CObjectListControl : public TObjectListBase<CListCtrl> {
public:
    CObjectListControl() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
