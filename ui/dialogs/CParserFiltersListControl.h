#pragma once
// The parsing alternatives of one file extension, each a reader with what may follow it.
#include "CObjectListControl.h"

class CFilterData;

class CParserFiltersListControl : public CObjectListControl {
public:
    void CreateListHeaders() override;
    CString GetObjectText(CPersistObject* object, int column, bool forToolTip) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;

    // "Reader + Splitter + ( Decoder A or Decoder B )"; empty for no filter.
    static CString GetFiltersName(CFilterData* filter);
};
