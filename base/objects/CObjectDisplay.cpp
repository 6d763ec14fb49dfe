#include "CObjectDisplay.h"

#include "CPersistList.h"
#include "SNotifyRecord.h"

#include <unordered_map>

// How many children show each object, and the one child when it is one and known.
struct CObjectDisplay::SChildrenByObject {
    struct SEntry {
        CObjectDisplay* child = nullptr;
        int count = 0;
    };

    // Children showing no object are counted too, under null.
    void Add(CObjectDisplay* child, CPersistObject* object)
    {
        SEntry& entry = entries[object];
        entry.child = ++entry.count == 1 ? child : nullptr;
    }
    void Remove(CObjectDisplay* child, CPersistObject* object)
    {
        auto found = entries.find(object);
        if (found == entries.end())
            return;
        if (--found->second.count == 0)
            entries.erase(found);
        else if (found->second.child == child || found->second.count == 1)
            found->second.child = nullptr;
    }

    std::unordered_map<const CPersistObject*, SEntry> entries;
};

CObjectDisplay::CObjectDisplay(CObjectDisplay* parent)
    : mParent(parent), mByObject(std::make_unique<SChildrenByObject>())
{
}

CObjectDisplay::CObjectDisplay(const CObjectDisplay& other)
    : CListener(other), CBroadcaster(other), mParent(other.mParent), mObject(other.mObject),
      mChildList(other.mChildList), mByObject(std::make_unique<SChildrenByObject>()), mSelected(other.mSelected)
{
}

CObjectDisplay& CObjectDisplay::operator=(const CObjectDisplay& other)
{
    if (this == &other)
        return *this;
    RemoveChildren();
    CListener::operator=(other);
    CBroadcaster::operator=(other);
    CPersistObject* old = mObject;
    mParent = other.mParent;
    mObject = other.mObject;
    mChildList = other.mChildList;
    mSelected = other.mSelected;
    ObjectChanged(old);
    return *this;
}

CObjectDisplay::~CObjectDisplay()
{
    SetObject(nullptr);
    // A child list set without an object is not dropped by SetObject(null).
    SetChildList(nullptr);
}

bool CObjectDisplay::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage && p) {
        // Forget a dying object or list so that no pointer to it is used again.
        if (mChildList && p == static_cast<const CBroadcaster*>(mChildList)) {
            RemoveChildren();
            mChildList = nullptr;
        }
        if (mObject && p == static_cast<const CBroadcaster*>(mObject)) {
            CPersistObject* old = mObject;
            mObject = nullptr;
            ObjectChanged(old);
        }
    }
    return CListener::ListenToMessage(message, p, q);
}

bool CObjectDisplay::Respond(long code, CBroadcaster* sender, long a, long b)
{
    CBroadcaster* source = mChildList ? static_cast<CBroadcaster*>(mChildList)
                                      : static_cast<CBroadcaster*>(mObject);
    if (source && sender == source) {
        auto* item = reinterpret_cast<CPersistObject*>(a);
        if (code == CPersistList::kListItemAddedNotice) {
            // Add announces -1; a sorted list may have put the item anywhere.
            auto* list = dynamic_cast<CPersistList*>(source);
            int index = static_cast<int>(b);
            if (index == -1 && list) {
                // Looking from the first item costs a walk of a long list per item added. An
                // item that went last, into a list whose other items all have their nodes and
                // none of them this item, cannot be listed before.
                const int last = list->GetItemCount() - 1;
                const auto& shown = mByObject->entries;
                if (last >= 0 && last == mChildren.GetCount() && list->GetAt(last) == item &&
                    shown.find(item) == shown.end() && shown.find(nullptr) == shown.end())
                    index = last;
                else
                    index = list->GetIndex(item);
            }
            CreateChild(item, index);
            return true;
        }
        if (code == CPersistList::kListItemRemovedNotice) {
            if (CObjectDisplay* child = FindChildDisplay(item)) {
                DropChild(child);
                SyncDisplays();
            }
            return true;
        }
    }
    return CListener::Respond(code, sender, a, b);
}

long CObjectDisplay::CreateDisplayHandle(CPersistObject* object, int index)
{
    if (!mParent)
        return 0;
    if (index == -1)
        index = mParent->GetChildDisplayCount();
    return mParent->CreateChildDisplayHandle(this, object, index);
}

long CObjectDisplay::CreateChildDisplayHandle(CObjectDisplay*, CPersistObject*, int)
{
    return 0;
}

void CObjectDisplay::DisposeDisplayHandle()
{
    if (!mParent)
        return;
    mParent->DisposeChildDisplayHandle(this);
    mParent->DisplayChanged(mParent);
}

void CObjectDisplay::DisposeChildDisplayHandle(CObjectDisplay*)
{
}

void CObjectDisplay::DisplayChanged(CObjectDisplay* display)
{
    if (mParent)
        mParent->DisplayChanged(display);
}

bool CObjectDisplay::SetObject(CPersistObject* object)
{
    if (object == mObject)
        return false;
    SelectAll(false);
    mSettingObject = true;
    CPersistObject* old = mObject;
    mObject = object;
    ObjectChanged(old);
    Rebind(old, mObject, mChildList);
    SetChildList(object ? GetList(object) : nullptr);
    if (mParent)
        mParent->DisplayChanged(this);
    Refresh();
    mSettingObject = false;
    return true;
}

CPersistList* CObjectDisplay::GetList(CPersistObject*)
{
    return nullptr;
}

void CObjectDisplay::Refresh()
{
    RemoveChildren();
    CreateChildren();
}

void CObjectDisplay::SetChildList(CPersistList* list)
{
    if (list && list == mChildList)
        return;
    RemoveChildren();
    CPersistList* old = mChildList;
    mChildList = list;
    Rebind(old, mChildList, mObject);
}

// Moves one of the two bindings from old to now. When the object is its own child
// list the display listens to it once, or every notice would be handled twice.
void CObjectDisplay::Rebind(CPersistObject* old, CPersistObject* now, CPersistObject* otherBinding)
{
    if (old == now)
        return;
    if (old && old != otherBinding)
        old->RemoveListener(this);
    if (now && now != otherBinding)
        now->AddListener(this);
}

void CObjectDisplay::RemoveChildren()
{
    for (int i = mChildren.GetCount() - 1; i >= 0; --i)
        DropChild(mChildren.GetAt(i));
    mChildren.RemoveAll();
    mByObject->entries.clear();
    SyncDisplays();
}

// Takes the child out of the tree before it is deleted, so that nothing reached from
// DisplayChanged or a derived view meets a deleted node.
void CObjectDisplay::DropChild(CObjectDisplay* child)
{
    child->DisposeDisplayHandle();
    RemoveChildDisplay(child);
}

void CObjectDisplay::RemoveChildDisplay(CObjectDisplay* child)
{
    if (!child)
        return;
    if (child->mListed) {
        mChildren.Remove(child);
        mByObject->Remove(child, child->mObject);
        child->mListed = false;
    }
    child->SetObject(nullptr);
    delete child;
}

void CObjectDisplay::CreateChildren()
{
    CPersistList* list = mChildList;
    // Only a list of objects has items to mirror; a value list answers IsList too.
    if (!list && mObject && mObject->IsList())
        list = dynamic_cast<CPersistList*>(mObject);
    if (!list)
        return;
    for (int i = 0; i < list->GetItemCount(); ++i) {
        CPersistObject* item = list->GetAt(i);
        if (CObjectDisplay* child = CreateChildDisplay(item)) {
            child->CreateDisplayHandle(item, -1);
            ListChild(child, -1);
            child->SetObject(item);
        }
    }
    SyncDisplays();
}

CObjectDisplay* CObjectDisplay::CreateChild(CPersistObject* object, int index)
{
    CObjectDisplay* child = CreateChildDisplay(object);
    if (child) {
        child->CreateDisplayHandle(object, index);
        ListChild(child, index);
        child->SetObject(object);
    }
    SyncDisplays();
    return child;
}

CObjectDisplay* CObjectDisplay::CreateChildDisplay(CPersistObject*)
{
    return nullptr;
}

long CObjectDisplay::GetDisplayHandle()
{
    return mParent ? mParent->GetChildDisplayHandle(this) : 0;
}

long CObjectDisplay::GetChildDisplayHandle(CObjectDisplay*)
{
    return 0;
}

void CObjectDisplay::SetObjectText(char*, long)
{
}

void CObjectDisplay::Select(bool selected)
{
    mSelected = selected;
    if (mParent)
        mParent->SelectChild(this, selected);
}

void CObjectDisplay::SelectChild(CObjectDisplay* child, bool selected)
{
    if (child)
        Broadcast(kDisplaySelectionMessage, child, &selected);
}

void CObjectDisplay::SelectAll(bool selected)
{
    for (int i = 0; i < mChildren.GetCount(); ++i) {
        CObjectDisplay* child = mChildren.GetAt(i);
        child->Select(selected);
        child->SelectAll(selected);
    }
}

int CObjectDisplay::GetSelectionCount()
{
    int count = 0;
    for (int i = 0; i < mChildren.GetCount(); ++i)
        if (mChildren.GetAt(i)->IsSelected())
            ++count;
    return count;
}

void CObjectDisplay::GetSelection(CPointerList& selection)
{
    selection.RemoveAll();
    for (int i = 0; i < mChildren.GetCount(); ++i)
        if (mChildren.GetAt(i)->IsSelected())
            selection.Add(mChildren.GetAt(i));
}

CObjectDisplay* CObjectDisplay::GetSelection()
{
    return mChildren.FindFirst([](CObjectDisplay& child) { return child.IsSelected(); });
}

CObjectDisplay* CObjectDisplay::GetTopDisplay()
{
    CObjectDisplay* display = this;
    while (display->mParent)
        display = display->mParent;
    return display;
}

void CObjectDisplay::ListChild(CObjectDisplay* child, int index)
{
    mChildren.Add(child, index);
    child->mListed = true;
    mByObject->Add(child, child->mObject);
}

// Keeps the parent's look-up by object in step with what this child shows.
void CObjectDisplay::ObjectChanged(CPersistObject* old)
{
    if (!mListed || !mParent || old == mObject)
        return;
    mParent->mByObject->Remove(this, old);
    mParent->mByObject->Add(this, mObject);
}

CObjectDisplay* CObjectDisplay::FindChildDisplay(CPersistObject* object) const
{
    const auto shows = [object](const CObjectDisplay& child) { return child.GetObjectA() == object; };
    if (!object)
        return mChildren.FindFirst(shows);
    auto found = mByObject->entries.find(object);
    if (found == mByObject->entries.end())
        return nullptr;
    SChildrenByObject::SEntry& entry = found->second;
    if (entry.child)
        return entry.child;
    // Listed more than once (or the one left is not yet known): the first child showing it.
    CObjectDisplay* first = mChildren.FindFirst(shows);
    if (entry.count == 1)
        entry.child = first;
    return first;
}

CObjectDisplay* CObjectDisplay::FindDisplayFromHandle(long handle)
{
    if (mParent && GetDisplayHandle() == handle)
        return this;
    for (int i = 0; i < mChildren.GetCount(); ++i)
        if (CObjectDisplay* found = mChildren.GetAt(i)->FindDisplayFromHandle(handle))
            return found;
    return nullptr;
}
