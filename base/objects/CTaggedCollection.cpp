#include "CTaggedCollection.h"

#include "CTaggedHandle.h"

MV_IMPLEMENT_PERSIST_CLASS(CTaggedCollection, CPersistList, FourCharCode("tgcl"))

CTaggedHandle* CTaggedCollection::FindTag(ULONG tag) const
{
    for (int i = 0; i < GetItemCount(); ++i) {
        CPersistObject* item = GetAt(i);
        // A loaded collection may hold any registered type.
        if (!item->IsInstanceOf(FourCharCode("tghd"))) continue;
        auto* tagged = static_cast<CTaggedHandle*>(item);
        if (tagged->GetTag() == tag) return tagged;
    }
    return nullptr;
}

CTaggedHandle* CTaggedCollection::AddTag(ULONG tag, const unsigned char* bytes, ULONG length)
{
    CTaggedHandle* tagged = FindTag(tag);
    if (!tagged) {
        tagged = new CTaggedHandle;
        tagged->SetTag(tag);
        Add(tagged);
    }
    tagged->SetData(reinterpret_cast<const char*>(bytes), length);
    return tagged;
}
