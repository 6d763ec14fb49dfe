#include "CObjectDisplay.h"
#include "CPersistList.h"
#include "CPersistValueList.h"
#include "CTopObjectDisplay.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

// A node per item; items that are lists get nodes of their own. The root hands out
// display handles from one counter and remembers them per node.
class Node : public CObjectDisplay {
public:
    explicit Node(CObjectDisplay* parent, int& created) : CObjectDisplay(parent), mCreated(created) {}

    CObjectDisplay* CreateChildDisplay(CPersistObject*) override
    {
        ++mCreated;
        return new Node(this, mCreated);
    }
    CPersistList* GetList(CPersistObject* object) override { return dynamic_cast<CPersistList*>(object); }
    long CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject*, int index) override
    {
        requestedIndexes.push_back(index);
        return handles[child] = nextHandle++;
    }
    long GetChildDisplayHandle(CObjectDisplay* child) override
    {
        auto found = handles.find(child);
        return found == handles.end() ? 0 : found->second;
    }
    void DisposeChildDisplayHandle(CObjectDisplay* child) override { handles.erase(child); }

    std::map<CObjectDisplay*, long> handles;
    std::vector<int> requestedIndexes;
    static long nextHandle;

private:
    int& mCreated;
};
long Node::nextHandle = 1;

class Root : public CTopObjectDisplay {
public:
    CObjectDisplay* CreateChildDisplay(CPersistObject*) override
    {
        ++created;
        return new Node(this, created);
    }
    long CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject*, int index) override
    {
        requestedIndexes.push_back(index);
        return handles[child] = Node::nextHandle++;
    }
    long GetChildDisplayHandle(CObjectDisplay* child) override
    {
        auto found = handles.find(child);
        return found == handles.end() ? 0 : found->second;
    }
    void DisposeChildDisplayHandle(CObjectDisplay* child) override { handles.erase(child); }
    void DisplayChanged(CObjectDisplay*) override
    {
        // A view walks its nodes whenever the tree changes: every node must be alive.
        for (int i = 0; i < GetChildDisplayCount(); ++i)
            GetChildDisplay(i)->IsSelected();
        ++changes;
    }

    int created = 0;
    int changes = 0;
    std::map<CObjectDisplay*, long> handles;
    std::vector<int> requestedIndexes;
};

// Counts the selection messages the root broadcasts.
class SelectionWatcher : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kDisplaySelectionMessage)
            selections.emplace_back(static_cast<const CObjectDisplay*>(p), *static_cast<const bool*>(q));
        return CListener::ListenToMessage(message, p, q);
    }
    std::vector<std::pair<const CObjectDisplay*, bool>> selections;
};

std::vector<CPersistObject*> Objects(const CObjectDisplay& display)
{
    std::vector<CPersistObject*> objects;
    for (int i = 0; i < display.GetChildDisplayCount(); ++i)
        objects.push_back(display.GetChildDisplay(i)->GetObjectA());
    return objects;
}

class CObjectDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i) {
            items[i] = new CPersistObject;
            list.Add(items[i]);
        }
        ASSERT_TRUE(root.SetObject(&list));
    }

    CPersistList list;
    CPersistObject* items[3] = {};
    Root root;
};

} // namespace

TEST_F(CObjectDisplayTest, MirrorsTheListItems)
{
    EXPECT_EQ(Objects(root), (std::vector<CPersistObject*>{items[0], items[1], items[2]}));
    EXPECT_EQ(root.requestedIndexes, (std::vector<int>{0, 1, 2}));  // -1 becomes the count
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(root.GetChildDisplay(i)->GetParentDisplay(), &root);
        EXPECT_EQ(root.GetChildDisplay(i)->GetTopDisplay(), &root);
    }
    EXPECT_EQ(root.FindChildDisplay(items[1]), root.GetChildDisplay(1));
    EXPECT_EQ(root.FindChildDisplay(nullptr), nullptr);
}

TEST_F(CObjectDisplayTest, FollowsAddedAndRemovedItems)
{
    auto* added = new CPersistObject;
    list.AddAt(added, 1);
    EXPECT_EQ(Objects(root), (std::vector<CPersistObject*>{items[0], added, items[1], items[2]}));
    EXPECT_EQ(root.requestedIndexes.back(), 1);

    auto* appended = new CPersistObject;
    list.Add(appended);
    EXPECT_EQ(root.GetChildDisplay(4)->GetObjectA(), appended);

    list.Remove(added);
    delete added;
    EXPECT_EQ(Objects(root), (std::vector<CPersistObject*>{items[0], items[1], items[2], appended}));
    EXPECT_EQ(root.handles.size(), 4u);

    // Removing an item that has no node changes nothing.
    CPersistObject stranger;
    list.Remove(&stranger);
    EXPECT_EQ(root.GetChildDisplayCount(), 4);
}

TEST_F(CObjectDisplayTest, SettingTheBoundObjectAgainRebuildsNothing)
{
    int created = root.created;
    CObjectDisplay* first = root.GetChildDisplay(0);
    EXPECT_FALSE(root.SetObject(&list));
    EXPECT_EQ(root.created, created);
    EXPECT_EQ(root.GetChildDisplay(0), first);

    EXPECT_TRUE(root.SetObject(nullptr));
    EXPECT_EQ(root.GetChildDisplayCount(), 0);
    EXPECT_TRUE(root.handles.empty());
    // Unbound, the display no longer follows the list.
    list.Add(new CPersistObject);
    EXPECT_EQ(root.GetChildDisplayCount(), 0);
}

TEST_F(CObjectDisplayTest, SingleSelectionKeepsOneChildSelected)
{
    SelectionWatcher watcher;
    root.AddListener(&watcher);
    CObjectDisplay* a = root.GetChildDisplay(0);
    CObjectDisplay* b = root.GetChildDisplay(1);
    CObjectDisplay* c = root.GetChildDisplay(2);

    root.MakeSelected(a);
    root.MakeSelected(c);
    EXPECT_TRUE(a->IsSelected());
    EXPECT_EQ(root.GetSelectionCount(), 2);

    root.SetSingleSelection(true);
    watcher.selections.clear();
    root.MakeSelected(b);
    EXPECT_FALSE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_FALSE(c->IsSelected());
    ASSERT_EQ(watcher.selections.size(), 3u);
    EXPECT_EQ(watcher.selections[1], std::make_pair(static_cast<const CObjectDisplay*>(b), true));
    EXPECT_EQ(root.GetSelection(), b);

    CPointerList selection;
    selection.Add(a);
    root.GetSelection(selection);
    ASSERT_EQ(selection.GetItemCount(), 1);
    EXPECT_EQ(selection.GetAt(0), b);

    // SetSelected changes the flag without telling anyone.
    watcher.selections.clear();
    c->SetSelected(true);
    EXPECT_TRUE(watcher.selections.empty());
    root.SelectAll(false);
    EXPECT_EQ(root.GetSelectionCount(), 0);
    EXPECT_EQ(root.GetSelection(), nullptr);
}

TEST(CObjectDisplay, NestedListsAndHandles)
{
    CPersistList outer;
    auto* inner = new CPersistList;
    auto* leaf = new CPersistObject;
    inner->Add(leaf);
    outer.Add(new CPersistObject);
    outer.Add(inner);

    Root root;
    root.SetObject(&outer);
    ASSERT_EQ(root.GetChildDisplayCount(), 2);
    auto* innerNode = static_cast<Node*>(root.GetChildDisplay(1));
    ASSERT_EQ(innerNode->GetChildDisplayCount(), 1);
    CObjectDisplay* leafNode = innerNode->GetChildDisplay(0);
    EXPECT_EQ(leafNode->GetObjectA(), leaf);
    EXPECT_EQ(leafNode->GetTopDisplay(), &root);

    long leafHandle = leafNode->GetDisplayHandle();
    ASSERT_NE(leafHandle, 0);
    EXPECT_EQ(root.FindDisplayFromHandle(leafHandle), leafNode);
    EXPECT_EQ(root.FindDisplayFromHandle(innerNode->GetDisplayHandle()), innerNode);
    EXPECT_TRUE(root.IsDisplayHandle(leafHandle));
    // The root has no handle of its own and never matches.
    EXPECT_EQ(root.GetDisplayHandle(), 0);
    EXPECT_EQ(root.FindDisplayFromHandle(0), nullptr);
    EXPECT_FALSE(root.IsDisplayHandle(-5));

    // The inner node is bound to its own child list: each notice makes one node.
    inner->Add(new CPersistObject);
    EXPECT_EQ(innerNode->GetChildDisplayCount(), 2);
}

TEST(CObjectDisplay, ForgetsAListThatDies)
{
    Root root;
    auto list = std::make_unique<CPersistList>();
    list->Add(new CPersistObject);
    list->Add(new CPersistObject);
    root.SetObject(list.get());
    ASSERT_EQ(root.GetChildDisplayCount(), 2);

    list.reset();
    EXPECT_EQ(root.GetChildDisplayCount(), 0);
    EXPECT_EQ(root.GetObjectA(), nullptr);
    // Binding anew touches nothing of the dead list.
    CPersistList other;
    EXPECT_TRUE(root.SetObject(&other));
}

TEST(CObjectDisplay, AValueListHasNoNodes)
{
    CPersistValueList values;
    values.Add(5);
    Root root;
    EXPECT_TRUE(root.SetObject(&values));
    EXPECT_EQ(root.GetChildDisplayCount(), 0);
    EXPECT_EQ(root.created, 0);
}

TEST(CObjectDisplay, BaseDisplayCreatesNoChildren)
{
    CPersistList list;
    list.Add(new CPersistObject);
    CObjectDisplay display;
    EXPECT_TRUE(display.SetObject(&list));
    EXPECT_EQ(display.GetChildDisplayCount(), 0);
    EXPECT_EQ(display.CreateDisplayHandle(&list, -1), 0);
    EXPECT_FALSE(display.CanCopy() || display.CanPaste() || display.CanDelete() || display.CanSelectAll());
}

namespace {

int ByValue(const void* a, const void* b)
{
    auto value = [](const void* p) { return static_cast<const CPersistValueList*>(p)->GetAt(0); };
    return value(a) < value(b) ? -1 : value(a) > value(b) ? 1 : 0;
}

CPersistValueList* Valued(LONG value)
{
    auto* item = new CPersistValueList;
    item->Add(value);
    return item;
}

} // namespace

TEST(CObjectDisplay, KeepsTheOrderOfASortedList)
{
    CPersistList list;
    list.SetCompareFunction(ByValue);
    list.Add(Valued(10));
    list.Add(Valued(30));
    Root root;
    root.SetObject(&list);

    CPersistValueList* middle = Valued(20);
    list.Add(middle);
    ASSERT_EQ(list.GetIndex(middle), 1);
    EXPECT_EQ(root.GetChildDisplay(1)->GetObjectA(), middle);
    EXPECT_EQ(Objects(root), (std::vector<CPersistObject*>{list.GetAt(0), list.GetAt(1), list.GetAt(2)}));
}

// Each item's node is found after removals from the middle, an item listed twice finds its
// first node until that one goes, and a node that shows another object is found by it.
TEST_F(CObjectDisplayTest, FindsTheNodeOfEachItemAfterRemovalsAndChanges)
{
    list.Add(items[1]);  // listed twice; its new node goes where the list finds it first
    ASSERT_EQ(Objects(root), (std::vector<CPersistObject*>{items[0], items[1], items[1], items[2]}));
    EXPECT_EQ(root.FindChildDisplay(items[1]), root.GetChildDisplay(1));

    CObjectDisplay* secondOfOne = root.GetChildDisplay(2);
    CObjectDisplay* nodeOfTwo = root.GetChildDisplay(3);
    root.RemoveChildDisplay(root.GetChildDisplay(1));
    EXPECT_EQ(root.FindChildDisplay(items[1]), secondOfOne);
    EXPECT_EQ(root.FindChildDisplay(items[2]), nodeOfTwo);
    EXPECT_EQ(root.FindChildDisplay(items[0]), root.GetChildDisplay(0));

    CPersistObject other;
    nodeOfTwo->SetObject(&other);
    EXPECT_EQ(root.FindChildDisplay(&other), nodeOfTwo);
    EXPECT_EQ(root.FindChildDisplay(items[2]), nullptr);
    nodeOfTwo->SetObject(items[2]);

    list.Remove(items[2]);
    delete items[2];
    EXPECT_EQ(Objects(root), (std::vector<CPersistObject*>{items[0], items[1]}));
    EXPECT_EQ(root.FindChildDisplay(items[1]), secondOfOne);
    list.Remove(items[1]);
    EXPECT_EQ(Objects(root), (std::vector<CPersistObject*>{items[0]}));
    EXPECT_EQ(root.FindChildDisplay(items[1]), nullptr);
    list.Remove(items[1]);  // its second place, which has no node left
    EXPECT_EQ(Objects(root), (std::vector<CPersistObject*>{items[0]}));
    delete items[1];
}
