#include "CParserFiltersListControl.h"

#include "CFilterData.h"
#include "CParserFiltersListDisplay.h"

void CParserFiltersListControl::CreateListHeaders()
{
    InsertColumn(0, "Parsing Alternative", LVCFMT_LEFT, 360);
}

CString CParserFiltersListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    if (column != 0 || !object || !object->IsInstanceOf(CFilterData::kType)) return "-";
    return GetFiltersName(static_cast<CFilterData*>(object));
}

CString CParserFiltersListControl::GetFiltersName(CFilterData* filter)
{
    if (!filter) return "";
    CString name = filter->GetName();
    const int count = filter->GetNextFilterCount();
    if (count == 0) return name;
    name += " + ";
    if (count > 1) name += " ( ";
    for (int i = 0; i < count; ++i) {
        if (i > 0) name += " or ";
        name += GetFiltersName(filter->GetNextFilter(i));
    }
    if (count > 1) name += " ) ";
    return name;
}

CObjectDisplay* CParserFiltersListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CParserFiltersListDisplay(this) : nullptr;
}
