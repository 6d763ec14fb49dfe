#include "CConversionTargetListControl.h"

#include "CConversionTargetListDisplay.h"
#include "CTargetConversionDialog.h"
#include "CTargetDecisions.h"
#include "SNotifyRecord.h"

namespace {
constexpr LONG kMediaTypeImage = 8;

CTargetConversion* AsTarget(CPersistObject* object)
{
    return object && object->IsInstanceOf(FourCharCode("targ")) ? static_cast<CTargetConversion*>(object) : nullptr;
}
} // namespace

LONG CConversionTargetListControl::GetItemType() const
{
    return FourCharCode("targ");
}

CPersistList* CConversionTargetListControl::GetList(CPersistObject* object)
{
    auto* decisions = dynamic_cast<CTargetDecisions*>(object);
    return decisions ? &decisions->GetTargets() : nullptr;
}

CObjectDisplay* CConversionTargetListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CConversionTargetListDisplay(this) : nullptr;
}

void CConversionTargetListControl::CreateListHeaders()
{
    InsertColumn(0, "Target", LVCFMT_LEFT, 80);
    InsertColumn(1, "Name", LVCFMT_LEFT, 240);
    InsertColumn(2, "Media", LVCFMT_LEFT, 80);
}

const char* CConversionTargetListControl::GetMediaText(LONG mediaType)
{
    switch (mediaType) {
    case kMediaTypeVideo: return "Video";
    case kMediaTypeAudio: return "Audio";
    case kMediaTypeImage: return "Image";
    default: return "-";
    }
}

CString CConversionTargetListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    CTargetConversion* target = AsTarget(object);
    if (!target) return "-";
    switch (column) {
    case 0: return target->GetPlatform();
    case 1: return target->GetName();
    case 2: return GetMediaText(target->GetMediaType());
    default: return "-";
    }
}

int CConversionTargetListControl::GetObjectImage(CPersistObject* object)
{
    CTargetConversion* target = AsTarget(object);
    return target && target->GetMediaType() == kMediaTypeVideo ? 1 : 0;
}

CTargetConversion* CConversionTargetListControl::GetSelectedTarget()
{
    return AsTarget(GetSelectedItem());
}

void CConversionTargetListControl::Add()
{
    CTargetDecisions* decisions = GetDecisions();
    if (!decisions) return;
    CTargetConversion edited;
    if (!CTargetConversionDialog::Prompt(edited)) return;
    CTargetConversion* created = decisions->CreateNewTarget(edited.GetPlatform(), edited.GetName(),
                                                           edited.GetMediaType());
    if (!created) return;
    *created = edited;
    // The copy announces nothing by itself; its row shows the whole preset again.
    created->Notify(kObjectChangedNotice, 0, 0);
}

void CConversionTargetListControl::Edit()
{
    CTargetConversion* target = GetSelectedTarget();
    if (target && CTargetConversionDialog::Prompt(*target)) target->Notify(kObjectChangedNotice, 0, 0);
}

void CConversionTargetListControl::Remove()
{
    CTargetDecisions* decisions = GetDecisions();
    CTargetConversion* target = GetSelectedTarget();
    if (decisions && target) decisions->RemoveTarget(target);
}

void CConversionTargetListControl::TakeOut(CPersistObject* item)
{
    if (CTargetDecisions* decisions = GetDecisions()) decisions->GetTargets().Remove(item);
}

void CConversionTargetListControl::PutBack(CPersistObject* item, int index)
{
    if (CTargetDecisions* decisions = GetDecisions()) decisions->AddTarget(static_cast<CTargetConversion*>(item), index);
}
