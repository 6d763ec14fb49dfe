#include "CParserFileExtensionListControl.h"

#include "CFileExtensionFilterData.h"
#include "CParserFileExtensionListDisplay.h"

void CParserFileExtensionListControl::CreateListHeaders()
{
    InsertColumn(0, "Extension", LVCFMT_LEFT, 60);
}

CString CParserFileExtensionListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    if (column != 0 || !object || !object->IsInstanceOf(CFileExtensionFilterData::kType)) return "-";
    CString extension = static_cast<CFileExtensionFilterData*>(object)->GetExtension();
    extension.MakeUpper();
    return extension;
}

CObjectDisplay* CParserFileExtensionListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CParserFileExtensionListDisplay(this) : nullptr;
}
