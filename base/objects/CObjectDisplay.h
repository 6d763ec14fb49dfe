#pragma once
// Mirrors a persistent list as a tree of display nodes, one per item, kept in step
// with the list's added and removed notices. Derived views attach a display handle
// (a row, an item, a window) to each node.
#include "CBroadcaster.h"
#include "CListener.h"
#include "TIndexedList.h"

#include <memory>

class CPersistObject;
class CPersistList;
class CPointerList;

enum : long {
    kDisplaySelectionMessage = 3499634,
};

class CObjectDisplay : public CListener, public CBroadcaster {
public:
    explicit CObjectDisplay(CObjectDisplay* parent = nullptr);
    // A copy shares the parent, object and child list (and listens to them) but owns
    // no children: only the source owns and deletes its child displays.
    CObjectDisplay(const CObjectDisplay& other);
    CObjectDisplay& operator=(const CObjectDisplay& other);
    ~CObjectDisplay() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    virtual long CreateDisplayHandle(CPersistObject* object, int index);
    virtual long CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index);
    virtual void DisposeDisplayHandle();
    virtual void DisposeChildDisplayHandle(CObjectDisplay* child);
    virtual void DisplayChanged(CObjectDisplay* display);
    virtual void SyncDisplays() {}
    virtual bool SetObject(CPersistObject* object);
    virtual CPersistList* GetList(CPersistObject* object);
    virtual void Refresh();
    virtual void RemoveChildren();
    virtual void RemoveChildDisplay(CObjectDisplay* child);
    virtual void CreateChildren();
    virtual CObjectDisplay* CreateChild(CPersistObject* object, int index);
    virtual CObjectDisplay* CreateChildDisplay(CPersistObject* object);
    virtual long GetDisplayHandle();
    virtual long GetChildDisplayHandle(CObjectDisplay* child);
    virtual void SetObjectText(char* text, long handle);
    virtual void Redraw() {}
    virtual void Select(bool selected);
    virtual bool IsSelected() { return mSelected; }
    virtual void SelectChild(CObjectDisplay* child, bool selected);
    virtual void SelectAll(bool selected);
    virtual int GetSelectionCount();
    virtual void GetSelection(CPointerList& selection);
    virtual CObjectDisplay* GetSelection();
    virtual bool CanCopy() { return false; }
    virtual bool CanPaste() { return false; }
    virtual bool CanDelete() { return false; }
    virtual bool CanSelectAll() { return false; }
    virtual void Copy() {}
    virtual void Cut() {}
    virtual void Paste() {}
    virtual void Delete() {}

    CObjectDisplay* GetParentDisplay() const { return mParent; }
    CObjectDisplay* GetTopDisplay();
    CPersistObject* GetObjectA() const { return mObject; }
    CPersistList* GetChildList() const { return mChildList; }
    void SetChildList(CPersistList* list);
    int GetChildDisplayCount() const { return mChildren.GetCount(); }
    CObjectDisplay* GetChildDisplay(int index) const { return mChildren.GetAt(index); }
    // The child's index among the children, -1 when it is not one.
    int GetChildDisplayIndex(const CObjectDisplay* child) const { return mChildren.GetIndex(child); }
    CObjectDisplay* FindChildDisplay(CPersistObject* object) const;
    // The flag only, without telling the parent.
    void SetSelected(bool selected) { mSelected = selected; }
    bool IsSettingObject() const { return mSettingObject; }
    CObjectDisplay* FindDisplayFromHandle(long handle);
    bool IsDisplayHandle(long handle) { return FindDisplayFromHandle(handle) != nullptr; }

private:
    struct SChildrenByObject;

    void DropChild(CObjectDisplay* child);
    void ListChild(CObjectDisplay* child, int index);
    void ObjectChanged(CPersistObject* old);
    void Rebind(CPersistObject* old, CPersistObject* now, CPersistObject* otherBinding);

    CObjectDisplay* mParent = nullptr;
    CPersistObject* mObject = nullptr;
    CPersistList* mChildList = nullptr;
    TIndexedList<CObjectDisplay> mChildren;
    // Which child shows which object, so that a removed item's child is found at once.
    std::unique_ptr<SChildrenByObject> mByObject;
    // Among the parent's children (a copy sharing the parent is not).
    bool mListed = false;
    bool mSettingObject = false;
    bool mSelected = false;
};
