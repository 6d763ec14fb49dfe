#include "CTagListControl.h"

#include "CMediaTags.h"
#include "CNamedValue.h"
#include "CTagEditDialog.h"
#include "CTagListDisplay.h"
#include "CTagMaps.h"
#include "USelectedObjects.h"
#include "win32/controls/CtlMessages.h"

#include <vector>

namespace {
constexpr LONG kTagsType = FourCharCode("tagv");
constexpr LONG kTagType = FourCharCode("namo");

CMediaTags* AsTags(CPersistObject* object)
{
    return object && object->IsInstanceOf(kTagsType) ? static_cast<CMediaTags*>(object) : nullptr;
}

CNamedValue* AsTag(CPersistObject* object)
{
    return object && object->IsInstanceOf(kTagType) ? static_cast<CNamedValue*>(object) : nullptr;
}
} // namespace

CPersistList* CTagListControl::GetList(CPersistObject* object)
{
    CMediaTags* tags = AsTags(object);
    return tags ? &tags->GetValues() : nullptr;
}

CObjectDisplay* CTagListControl::CreateChildDisplay(CPersistObject*)
{
    return new CTagListDisplay(this);
}

void CTagListControl::CreateListHeaders()
{
    InsertColumn(0, "Tag", LVCFMT_LEFT, 160);
    InsertColumn(1, "Value", LVCFMT_LEFT, 300);
}

CString CTagListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    CNamedValue* tag = AsTag(object);
    switch (column) {
    case 0:
        if (!tag) return "-";
        return CTagMaps::sMaps ? CString(CTagMaps::sMaps->GetFriendlyText(tag->GetName())) : tag->GetName();
    case 1: return tag ? tag->GetValue() : CString("-");
    default: return "Error";
    }
}

CNamedValue* CTagListControl::GetSelectedTag()
{
    CObjectDisplay* selected = GetSelectionCount() == 1 ? GetSelection() : nullptr;
    return selected ? AsTag(selected->GetObjectA()) : nullptr;
}

void CTagListControl::Add()
{
    CMediaTags* tags = AsTags(GetObjectA());
    if (!tags) return;
    CTagEditDialog dialog(nullptr);
    if (dialog.DoModal() != IDOK) return;
    const CNamedValue& tag = dialog.GetData();
    // A tag that names no tag cannot be written to any file.
    if (tag.GetName().IsEmpty()) return;
    tags->AddValue(tag.GetName(), tag.GetValue());
}

void CTagListControl::Edit()
{
    CNamedValue* tag = GetSelectedTag();
    if (!tag) return;
    CTagEditDialog dialog(nullptr);
    dialog.SetData(*tag);
    if (dialog.DoModal() != IDOK) return;
    tag->SetValue(dialog.GetData().GetValue());
}

bool CTagListControl::CanDelete()
{
    return GetChildList() && GetSelectionCount() > 0;
}

void CTagListControl::Delete()
{
    CPersistList* list = GetChildList();
    if (!list) return;
    for (CPersistObject* tag : USelectedObjects::Of(*this, kTagType)) {
        list->Remove(tag);
        if (list->OwnsItems()) delete tag;
    }
}
