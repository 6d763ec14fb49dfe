#pragma once
// The sortable report showing the objects of a persistent list. The report keeps its own
// record in each row, so a row names its display by a key of this control.
#include "CReportCtrl.h"
#include "TObjectListBase.h"

#include <unordered_map>

class CObjectReportControl : public TObjectListBase<CReportCtrl> {
public:
    CObjectReportControl() = default;

protected:
    void InstallImageList(CImageList* images) override;
    LPARAM AttachRow(CObjectDisplay* display) override;
    void DetachRow(CObjectDisplay* display) override;
    CObjectDisplay* DisplayOfRow(int row) override;
    DECLARE_MESSAGE_MAP()

private:
    std::unordered_map<DWORD, CObjectDisplay*> mRowDisplays;
    std::unordered_map<const CObjectDisplay*, DWORD> mDisplayKeys;
    DWORD mNextKey = 1;
};
