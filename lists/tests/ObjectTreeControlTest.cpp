#include "CObjectTreeControl.h"
#include "CObjectTreeDisplay.h"
#include "CPersistObjectDropTarget.h"
#include "CPointerList.h"
#include "ListTestSupport.h"
#include "SPersistObjectHit.h"
#include "afx/windows/COleDataSource.h"
#include "win32/windowing/ClipboardFormat.h"
#include "win32/controls/CtlTreeView.h"
#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlWindow.h"
#include "win32/kernel/GlobalMemory.h"

#include <gtest/gtest.h>

namespace {

class CRenamingTreeDisplay : public CObjectTreeDisplay {
public:
    using CObjectTreeDisplay::CObjectTreeDisplay;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override
    {
        return object ? new CRenamingTreeDisplay(this) : nullptr;
    }
    void SetObjectText(char* text, long) override
    {
        if (auto* item = dynamic_cast<CTestItem*>(GetObjectA()))
            item->SetName(text);
    }
};

class CItemTree : public CObjectTreeControl {
public:
    CString GetObjectText(CPersistObject* object, int, bool) override
    {
        if (auto* item = dynamic_cast<CTestItem*>(object))
            return item->Name();
        return "group";
    }
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override
    {
        return object ? new CRenamingTreeDisplay(this) : nullptr;
    }
};

class ObjectTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.Make(500, 400));
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_EDITLABELS, CRect(0, 0, 300, 300), &m_parent, 200));
        m_tree.AddListener(&m_log);
        // "a", a group holding "b1" and "b2", then "c".
        m_root.Add(new CTestItem("a"));
        m_group = new CPersistList;
        m_group->Add(new CTestItem("b1"));
        m_group->Add(new CTestItem("b2"));
        m_root.Add(m_group);
        m_root.Add(new CTestItem("c"));
        m_tree.SetObject(&m_root);
    }
    void TearDown() override
    {
        m_tree.DestroyWindow();
        MvPumpUntilIdle();
    }
    HTREEITEM ItemOf(CPersistObject* object)
    {
        for (CObjectDisplay* display : AllDisplays(&m_tree))
            if (display->GetObjectA() == object)
                return static_cast<CObjectTreeDisplay*>(display)->GetTreeItem();
        return nullptr;
    }
    static std::vector<CObjectDisplay*> AllDisplays(CObjectDisplay* root)
    {
        std::vector<CObjectDisplay*> all;
        for (int i = 0; i < root->GetChildDisplayCount(); ++i) {
            all.push_back(root->GetChildDisplay(i));
            for (CObjectDisplay* below : AllDisplays(root->GetChildDisplay(i))) all.push_back(below);
        }
        return all;
    }
    POINT LabelPoint(HTREEITEM item)
    {
        CRect r;
        EXPECT_TRUE(m_tree.GetItemRect(item, &r, TRUE));
        return {r.left + 3, r.top + 3};
    }
    std::vector<std::string> Children(HTREEITEM parent)
    {
        std::vector<std::string> names;
        for (HTREEITEM i = m_tree.GetChildItem(parent); i; i = m_tree.GetNextSiblingItem(i))
            names.push_back(m_tree.GetItemText(i).GetString());
        return names;
    }

    TestParent m_parent;
    CItemTree m_tree;
    CPersistList m_root;
    CPersistList* m_group = nullptr;
    SelectionLog m_log;
};

TEST_F(ObjectTreeTest, NestedListsBecomeChildItems)
{
    EXPECT_NE(m_tree.GetStyle() & (TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS), 0u);
    EXPECT_EQ(m_tree.GetStyle() & WS_BORDER, 0u);
    EXPECT_NE(m_tree.GetExStyle() & WS_EX_CLIENTEDGE, 0u);
    EXPECT_EQ(Children(TVI_ROOT), (std::vector<std::string>{"a", "group", "c"}));
    HTREEITEM group = ItemOf(m_group);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(Children(group), (std::vector<std::string>{"b1", "b2"}));
    EXPECT_EQ(m_tree.GetChildDisplay(1)->GetDisplayHandle(), reinterpret_cast<long>(group));

    m_group->Add(new CTestItem("b3"));
    m_root.Add(new CTestItem("d"));
    EXPECT_EQ(Children(group), (std::vector<std::string>{"b1", "b2", "b3"}));
    EXPECT_EQ(Children(TVI_ROOT), (std::vector<std::string>{"a", "group", "c", "d"}));

    // Taking the group away takes its items; nothing is deleted twice.
    m_root.Remove(m_group);
    EXPECT_EQ(Children(TVI_ROOT), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(m_tree.GetCount(), 3u);
    delete m_group;
    m_tree.SetObject(nullptr);
    EXPECT_EQ(m_tree.GetCount(), 0u);
}

TEST_F(ObjectTreeTest, AClickLeavesExactlyOneSelectedDisplay)
{
    HTREEITEM b1 = ItemOf(m_group->GetAt(0));
    m_tree.Expand(ItemOf(m_group), TVE_EXPAND);
    m_tree.GetChildDisplay(0)->Select(true);
    m_log.entries.clear();
    CtlUserClick(m_tree.GetSafeHwnd(), LabelPoint(b1));
    EXPECT_EQ(m_tree.GetSelectionCount(), 1);
    CObjectDisplay* selected = m_tree.GetSelection();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->GetObjectA(), m_group->GetAt(0));
    ASSERT_EQ(m_log.entries.size(), 1u) << "deselecting the others is not announced";
    EXPECT_EQ(m_log.entries[0].display, selected);
    EXPECT_TRUE(m_log.entries[0].selected);

    // Depth first: the group's item comes before the later top item.
    m_tree.GetChildDisplay(2)->Select(true);
    CPointerList all;
    m_tree.GetSelection(all);
    ASSERT_EQ(all.GetItemCount(), 2);
    EXPECT_EQ(all.GetAt(0), selected);
    EXPECT_EQ(all.GetAt(1), m_tree.GetChildDisplay(2));
    CObjectDisplay* groupDisplay = m_tree.GetChildDisplay(1);
    EXPECT_EQ(groupDisplay->GetSelectionCount(), 1);
    EXPECT_EQ(groupDisplay->GetSelection(), selected);
}

TEST_F(ObjectTreeTest, EditingALabelRenamesTheObject)
{
    HTREEITEM c = ItemOf(m_root.GetAt(2));
    auto* model = CtlModelAs<CtlTreeView>(m_tree.GetSafeHwnd());
    ASSERT_NE(model, nullptr);
    model->UserEditLabel(c, "renamed");
    EXPECT_STREQ(Item(m_root.GetAt(2))->Name(), "renamed");
    EXPECT_EQ(m_tree.GetItemText(c), "renamed");
}

TEST_F(ObjectTreeTest, TheHitObjectQueryAnswersOnTheLabelOnly)
{
    HTREEITEM c = ItemOf(m_root.GetAt(2));
    POINT on = LabelPoint(c);
    SPersistObjectHit hit{nullptr, on.x, on.y};
    EXPECT_EQ(m_tree.SendMessage(kPersistObjectHitMessage, 0, reinterpret_cast<LPARAM>(&hit)), 0);
    EXPECT_EQ(hit.object, m_root.GetAt(2));
    CPersistObject* before = m_root.GetAt(0);
    SPersistObjectHit beside{before, 280, on.y};
    m_tree.SendMessage(kPersistObjectHitMessage, 0, reinterpret_cast<LPARAM>(&beside));
    EXPECT_EQ(beside.object, before) << "left as it was off the item";
}

TEST_F(ObjectTreeTest, DraggingAnItemCarriesTheObjectsAddress)
{
    CPersistObjectDropTarget target;
    ASSERT_TRUE(target.Register(&m_tree));
    HTREEITEM a = ItemOf(m_root.GetAt(0));
    HTREEITEM c = ItemOf(m_root.GetAt(2));
    MvScriptDrag({{m_tree.GetSafeHwnd(), LabelPoint(c)}}, true);
    CtlUserClick(m_tree.GetSafeHwnd(), LabelPoint(a));
    EXPECT_EQ(target.GetDroppedObject(), m_root.GetAt(0));
    EXPECT_EQ(target.GetHitObject(), m_root.GetAt(2));

    // A press in the indent of a nested item starts no drag.
    m_tree.Expand(ItemOf(m_group), TVE_EXPAND);
    CPersistObjectDropTarget other;
    ASSERT_TRUE(other.Register(&m_tree));
    MvScriptDrag({{m_tree.GetSafeHwnd(), LabelPoint(c)}}, true);
    POINT indent = LabelPoint(ItemOf(m_group->GetAt(1)));
    indent.x = 2;
    CtlUserClick(m_tree.GetSafeHwnd(), indent);
    EXPECT_EQ(other.GetDroppedObject(), nullptr);
    EXPECT_EQ(other.GetHitObject(), nullptr);
    MvScriptDrag({}, false);
}

TEST(PersistObjectFormat, IsRegisteredOnceByName)
{
    EXPECT_NE(CPersistObjectDropTarget::sPersistObjectFormat, 0u);
    EXPECT_EQ(RegisterClipboardFormatA("Persist Object"), CPersistObjectDropTarget::sPersistObjectFormat);
    EXPECT_EQ(RegisterClipboardFormatA("persist object"), CPersistObjectDropTarget::sPersistObjectFormat);
    EXPECT_NE(RegisterClipboardFormatA("Another"), CPersistObjectDropTarget::sPersistObjectFormat);
    EXPECT_EQ(RegisterClipboardFormatA(""), 0u);
}

TEST(PersistObjectFormat, AShortBlockCarriesNoObject)
{
    COleDataSource source;
    HGLOBAL block = GlobalAlloc(GHND, 4);
    source.CacheGlobalData(CPersistObjectDropTarget::sPersistObjectFormat, block);
    COleDataObject data(&source);
    EXPECT_TRUE(data.IsDataAvailable(CPersistObjectDropTarget::sPersistObjectFormat));
    EXPECT_EQ(CPersistObjectDropTarget::GetDraggedObject(&data), nullptr);
    EXPECT_EQ(CPersistObjectDropTarget::GetDraggedObject(nullptr), nullptr);
}

} // namespace
