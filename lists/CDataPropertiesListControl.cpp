#include "CDataPropertiesListControl.h"

#include "CDataPropertiesListDisplay.h"
#include "CPropertyList.h"
#include "CPropertyValue.h"

CPersistList* CDataPropertiesListControl::GetList(CPersistObject* object)
{
    auto* properties = dynamic_cast<CPropertyList*>(object);
    return properties ? &properties->GetValues() : nullptr;
}

void CDataPropertiesListControl::CreateListHeaders()
{
    InsertColumn(0, "Property", LVCFMT_LEFT, 80);
    InsertColumn(1, "Value", LVCFMT_LEFT, 160);
}

CString CDataPropertiesListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    auto* value = dynamic_cast<CPropertyValue*>(object);
    if (!value)
        return CString();
    switch (column) {
    case 0: return value->GetName();
    case 1: return value->GetValue();
    }
    return "Error";
}

CObjectDisplay* CDataPropertiesListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CDataPropertiesListDisplay(this) : nullptr;
}
