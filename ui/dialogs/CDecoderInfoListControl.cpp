#include "CDecoderInfoListControl.h"

#include "CDecoderInfoListDisplay.h"
#include "CDecoderItem.h"
#include "UGuidUtils.h"

void CDecoderInfoListControl::CreateListHeaders()
{
    InsertColumn(0, "Name", LVCFMT_LEFT, 160);
    InsertColumn(1, "ID", LVCFMT_LEFT, 240);
    InsertColumn(2, "DMO", LVCFMT_RIGHT, 40);
}

CString CDecoderInfoListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    if (!object || !object->IsInstanceOf(CDecoderItem::kType)) return "";
    auto* item = static_cast<CDecoderItem*>(object);
    switch (column) {
    case 0: return item->GetName();
    case 1: return UGuidUtils::GuidToString(item->GetId());
    case 2: return item->GetIsDmo() ? "Yes" : "";
    default: return "";
    }
}

CObjectDisplay* CDecoderInfoListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CDecoderInfoListDisplay(this) : nullptr;
}
