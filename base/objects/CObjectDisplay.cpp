#include "CObjectDisplay.h"

#include "CPersistList.h"
#include "SNotifyRecord.h"

CObjectDisplay::CObjectDisplay(const CObjectDisplay& other)
    : CListener(other), CBroadcaster(other), mParent(other.mParent), mObject(other.mObject),
      mChildList(other.mChildList), mSelected(other.mSelected)
{
}

CObjectDisplay& CObjectDisplay::operator=(const CObjectDisplay& other)
{
    if (this == &other)
        return *this;
    RemoveChildren();
    CListener::operator=(other);
    CBroadcaster::operator=(other);
    mParent = other.mParent;
    mObject = other.mObject;
    mChildList = other.mChildList;
    mSelected = other.mSelected;
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
        if (mObject && p == static_cast<const CBroadcaster*>(mObject))
            mObject = nullptr;
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
            if (index == -1 && list)
                index = list->GetIndex(item);
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
    mChildren.Remove(child);
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
            mChildren.Add(child);
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
        mChildren.Add(child, index);
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

CObjectDisplay* CObjectDisplay::FindChildDisplay(CPersistObject* object) const
{
    return mChildren.FindFirst([object](const CObjectDisplay& child) { return child.GetObjectA() == object; });
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
