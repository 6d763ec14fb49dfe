#include "afx/controls/CBitmapButton.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/CDialog.h"
#include "afx/controls/CIPAddressCtrl.h"
#include "afx/controls/CImageList.h"
#include "afx/controls/CListCtrl.h"
#include "afx/controls/CRichEditCtrl.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CTabCtrl.h"
#include "afx/windows/CWinApp.h"
#include "afx/controls/CToolTipCtrl.h"
#include "afx/controls/CTreeCtrl.h"
#include "win32/controls/CommCtrl.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/gdi/Paint.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlToolTip.h"
#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/tests/BmpTestFile.h"
#include "win32/tests/TestResourceFolder.h"
#include "win32/tests/WindowPixel.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> gLog;

// An owner-drawn, sorted combo whose items carry names as item data, ordered by its own
// CompareItem and freed in DeleteItem, as a font list does it.
class CNameCombo : public CComboBox {
public:
    int CompareItem(LPCOMPAREITEMSTRUCT item) override
    {
        return std::strcmp(reinterpret_cast<const char*>(item->itemData1), reinterpret_cast<const char*>(item->itemData2));
    }
    void DeleteItem(LPDELETEITEMSTRUCT item) override { gLog.push_back(std::string("deleted ") + reinterpret_cast<const char*>(item->itemData)); }
};

class COwnerButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override { gLog.push_back("draw " + std::to_string(item->CtlID)); }
};

class CPanelWnd : public CWnd {
public:
    CComboBox m_voice;
    CSliderCtrl m_rate;
    CNameCombo m_names;
    COwnerButton m_bold;

protected:
    void OnSelchangeVoice() { gLog.push_back("voice " + std::to_string(m_voice.GetCurSel())); }
    void OnReleasedRate(NMHDR*, LRESULT* result)
    {
        gLog.push_back("rate " + std::to_string(m_rate.GetPos()));
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPanelWnd, CWnd)
    ON_CBN_SELCHANGE(20001, OnSelchangeVoice)
    ON_NOTIFY(NM_RELEASEDCAPTURE, 20003, OnReleasedRate)
END_MESSAGE_MAP()

class AfxControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gLog.clear();
        ASSERT_TRUE(m_panel.CreateEx(0, nullptr, "panel", WS_POPUP, CRect(0, 0, 400, 300), nullptr, 0));
    }
    void TearDown() override
    {
        if (m_panel.m_hWnd) m_panel.DestroyWindow();
        MvPumpUntilIdle();
        AfxDeleteTempMaps();
    }
    CPanelWnd m_panel;
};

TEST_F(AfxControlsTest, AUsersChoiceReachesTheParentsMessageMap)
{
    ASSERT_TRUE(m_panel.m_voice.Create(CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_VISIBLE, CRect(0, 0, 120, 100), &m_panel, 20001));
    m_panel.m_voice.AddString("Zira");
    m_panel.m_voice.AddString("david");
    EXPECT_EQ(m_panel.m_voice.FindStringExact(-1, "DAVID"), 0);
    m_panel.m_voice.SetCurSel(1);
    EXPECT_TRUE(gLog.empty());
    CtlModelAs<CtlComboBox>(m_panel.m_voice)->UserPick(0);
    EXPECT_EQ(gLog, std::vector<std::string>{"voice 0"});
    CString text;
    m_panel.m_voice.GetLBText(1, text);
    EXPECT_EQ(text, "Zira");
}

TEST_F(AfxControlsTest, ReleasingTheSliderIsNotifiedAfterTheMove)
{
    ASSERT_TRUE(m_panel.m_rate.Create(TBS_HORZ | TBS_BOTH | TBS_NOTICKS | WS_VISIBLE, CRect(0, 0, 200, 30), &m_panel, 20003));
    m_panel.m_rate.SetRange(-5, 5);
    m_panel.m_rate.SetPos(-5);
    m_panel.m_rate.SendMessage(WM_KEYDOWN, VK_RIGHT);
    EXPECT_TRUE(gLog.empty()) << "keys move without a release";
    auto* bar = CtlModelAs<CtlTrackbar>(m_panel.m_rate);
    ASSERT_NE(bar, nullptr);
    POINT from = bar->PointOf(-4);
    POINT to = bar->PointOf(3);
    m_panel.m_rate.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    m_panel.m_rate.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    m_panel.m_rate.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_EQ(gLog, std::vector<std::string>{"rate 3"});
}

TEST_F(AfxControlsTest, OwnerDrawnItemsAreOrderedDrawnAndFreedByTheControlClass)
{
    ASSERT_TRUE(m_panel.m_names.Create(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT | WS_VISIBLE, CRect(0, 0, 100, 100), &m_panel, 10067));
    static const char* names[] = {"Verdana", "Arial", "Tahoma"};
    for (const char* n : names) m_panel.m_names.AddString(n);
    EXPECT_EQ(m_panel.m_names.GetItemDataPtr(0), names[1]);
    EXPECT_EQ(m_panel.m_names.GetItemDataPtr(2), names[0]);
    m_panel.m_names.DeleteString(0);
    EXPECT_EQ(gLog, std::vector<std::string>{"deleted Arial"});

    gLog.clear();
    ASSERT_TRUE(m_panel.m_bold.Create("Bold", BS_OWNERDRAW | WS_VISIBLE, CRect(0, 0, 15, 14), &m_panel, 10069));
    m_panel.ShowWindow(SW_SHOW);
    m_panel.m_bold.Invalidate();
    MvPumpUntilIdle();
    ASSERT_FALSE(gLog.empty());
    EXPECT_EQ(gLog.back(), "draw 10069");
}

TEST_F(AfxControlsTest, RichEditSelectionTextAndFormatsInUtf8)
{
    ASSERT_TRUE(AfxInitRichEdit());
    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(ES_MULTILINE | ES_WANTRETURN | WS_VISIBLE, CRect(0, 0, 300, 200), &m_panel, 10078));
    edit.SetWindowText("Gr\xc3\xbc\xc3\x9f Gott");
    EXPECT_EQ(edit.GetTextLength(), 9);
    edit.SetSel(0, 4);
    EXPECT_EQ(edit.GetSelText(), "Gr\xc3\xbc\xc3\x9f");
    CString range;
    EXPECT_EQ(edit.GetTextRange(5, -1, range), 4);
    EXPECT_EQ(range, "Gott");
    CHARFORMAT format{};
    format.dwMask = CFM_BOLD;
    format.dwEffects = CFE_BOLD;
    edit.SetSelectionCharFormat(format);
    edit.SetSel(2, 6);
    CHARFORMAT mixed{};
    EXPECT_FALSE(edit.GetSelectionCharFormat(mixed) & CFM_BOLD);
    edit.SetSel(9, 9);
    edit.ReplaceSel("!", TRUE);
    EXPECT_TRUE(edit.CanUndo());
    edit.Undo();
    CString all;
    edit.GetWindowText(all);
    EXPECT_EQ(all, "Gr\xc3\xbc\xc3\x9f Gott");
}

TEST_F(AfxControlsTest, ListControlHeaderChecksAndTexts)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(LVS_REPORT | WS_VISIBLE, CRect(0, 0, 300, 200), &m_panel, 10089));
    list.InsertColumn(0, "Property", LVCFMT_LEFT, 80);
    list.InsertColumn(1, "Value", LVCFMT_LEFT, 160);
    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->GetItemCount(), 2);
    EXPECT_EQ(list.InsertItem(0, "obj id"), 0);
    list.SetItemText(0, 1, "7");
    list.SetItemData(0, 1234);
    EXPECT_EQ(list.GetItemText(0, 1), "7");
    // Longer than the first buffer the text is read into.
    const CString longText(std::string(1000, 'x').c_str());
    list.SetItemText(0, 1, longText);
    EXPECT_EQ(list.GetItemText(0, 1), longText);
    list.SetItemText(0, 1, "7");
    EXPECT_EQ(list.GetItemData(0), 1234u);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(list.GetCheck(0));
    list.SetCheck(0);
    EXPECT_TRUE(list.GetCheck(0));
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    EXPECT_EQ(list.EditLabel(0), nullptr) << "labels are not editable without LVS_EDITLABELS";
    list.ModifyStyle(0, LVS_EDITLABELS);
    CEdit* box = list.EditLabel(0);
    ASSERT_NE(box, nullptr);
    CString label;
    box->GetWindowText(label);
    EXPECT_EQ(label, "obj id");
    EXPECT_EQ(list.GetEditControl(), box);
    list.EditLabel(-1);
    EXPECT_EQ(list.GetEditControl(), nullptr);
}

TEST_F(AfxControlsTest, TabIpAddressAndImageLists)
{
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &m_panel, 1));
    tabs.InsertItem(0, "Audio");
    tabs.InsertItem(1, "Video");
    CRect display(0, 0, 300, 200);
    tabs.AdjustRect(FALSE, &display);
    EXPECT_GT(display.top, 0);

    CIPAddressCtrl ip;
    ASSERT_TRUE(ip.Create(WS_VISIBLE, CRect(0, 0, 120, 20), &m_panel, 10079));
    ip.SetAddress(10, 0, 0, 7);
    BYTE a = 0, b = 0, c = 0, d = 0;
    EXPECT_EQ(ip.GetAddress(a, b, c, d), 4);
    EXPECT_EQ(d, 7);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(images.GetImageCount(), 0);
    CImageList* old = tabs.SetImageList(&images);
    EXPECT_EQ(old, nullptr);
    EXPECT_EQ(tabs.GetImageList()->GetSafeHandle(), images.GetSafeHandle());
}

TEST_F(AfxControlsTest, TreeControlItemsAndSelection)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(TVS_HASBUTTONS | TVS_LINESATROOT | WS_VISIBLE, CRect(0, 0, 200, 200), &m_panel, 10088));
    HTREEITEM object = tree.InsertItem("Object");
    HTREEITEM value = tree.InsertItem("obj id: 7", object);
    tree.SetItemData(value, 42);
    EXPECT_EQ(tree.GetItemText(value), "obj id: 7");
    const CString longText(std::string(1000, 'y').c_str());
    tree.SetItemText(object, longText);
    EXPECT_EQ(tree.GetItemText(object), longText);
    tree.SetItemText(object, "Object");
    EXPECT_EQ(tree.GetParentItem(value), object);
    EXPECT_EQ(tree.GetChildItem(object), value);
    EXPECT_TRUE(tree.ItemHasChildren(object));
    EXPECT_EQ(tree.GetItemData(value), 42u);
    EXPECT_TRUE(tree.SelectItem(value));
    EXPECT_EQ(tree.GetSelectedItem(), value);
    EXPECT_TRUE(tree.GetItemState(object, TVIS_EXPANDED)) << "selecting shows the item";
    CRect r;
    EXPECT_TRUE(tree.GetItemRect(value, &r, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(CPoint(r.left + 1, r.top + 1), &flags), value);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMLABEL));
    tree.DeleteAllItems();
    EXPECT_EQ(tree.GetCount(), 0u);
}

TEST_F(AfxControlsTest, ToolTipShowsTheTextOfTheToolUnderTheMouse)
{
    CButton button;
    ASSERT_TRUE(button.Create("Bold", WS_VISIBLE, CRect(10, 10, 40, 30), &m_panel, 10069));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&button));
    tip.Activate(FALSE);
    tip.SetMaxTipWidth(400);
    EXPECT_TRUE(tip.AddTool(&button, "Bold", nullptr, 1));
    EXPECT_EQ(tip.GetToolCount(), 1);
    tip.UpdateTipText("Bold text", &button, 1);
    CString text;
    tip.GetText(text, &button, 1);
    EXPECT_EQ(text, "Bold text");
    auto* model = CtlModelAs<CtlToolTip>(tip);
    ASSERT_NE(model, nullptr);
    MSG move{button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {}};
    tip.RelayEvent(&move);
    EXPECT_EQ(model->Shown(), -1) << "an inactive tip shows nothing";
    tip.Activate(TRUE);
    tip.RelayEvent(&move);
    EXPECT_EQ(model->ShownText(), "Bold text");
    EXPECT_EQ(model->MaxTipWidth(), 400);
    tip.DestroyWindow();
}

// A speech page as a dialog: its controls are bound by id, and the user's choices reach
// its message map.
class CSpeechPage : public CDialog {
public:
    CComboBox m_voice;
    CSliderCtrl m_rate;
    std::vector<std::string> m_log;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, 20001, m_voice);
        DDX_Control(dx, 20003, m_rate);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_rate.SetRange(-5, 5);
        m_rate.SetPos(-5);
        for (const char* name : {"Zira", "David"}) m_voice.AddString(name);
        return TRUE;
    }
    void OnSelchangeVoice()
    {
        CString name;
        m_voice.GetLBText(m_voice.GetCurSel(), name);
        m_log.push_back(std::string("voice ") + name.GetString());
    }
    void OnReleasedRate(NMHDR*, LRESULT* result)
    {
        m_log.push_back("rate " + std::to_string(m_rate.GetPos()));
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSpeechPage, CDialog)
    ON_CBN_SELCHANGE(20001, OnSelchangeVoice)
    ON_NOTIFY(NM_RELEASEDCAPTURE, 20003, OnReleasedRate)
END_MESSAGE_MAP()

TEST_F(AfxControlsTest, ADialogsBoundControlsReportTheUsersChoices)
{
    MvDialogTemplate page;
    page.style = WS_CHILD | WS_VISIBLE;
    page.cx = 200;
    page.cy = 60;
    page.items = {
        {"Static", "Voice", 20000, 0, 0, 4, 4, 30, 8},
        {"ComboBox", "", 20001, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 0, 40, 2, 150, 100},
        {"Static", "Speed", 20002, 0, 0, 4, 22, 30, 8},
        {"msctls_trackbar32", "", 20003, TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, 0, 40, 20, 150, 15},
    };
    CSpeechPage dialog;
    ASSERT_TRUE(dialog.CreateIndirect(&page, &m_panel));
    EXPECT_EQ(dialog.m_voice.GetCount(), 2);
    CString first;
    dialog.m_voice.GetLBText(0, first);
    EXPECT_EQ(first, "David") << "the combo sorts";
    CtlModelAs<CtlComboBox>(dialog.m_voice)->UserPick(1);
    auto* bar = CtlModelAs<CtlTrackbar>(dialog.m_rate);
    ASSERT_NE(bar, nullptr);
    CtlUserKey(dialog.m_rate, VK_RIGHT);
    CtlUserDrag(dialog.m_rate, bar->PointOf(-4), bar->PointOf(2));
    EXPECT_EQ(dialog.m_log, (std::vector<std::string>{"voice Zira", "rate 2"}));
    dialog.DestroyWindow();
}

TEST_F(AfxControlsTest, BitmapButtonShowsTheBitmapOfItsState)
{
    TestResourceFolder folder(AfxGetResourceHandle()); // what the class library loads resources from
    ASSERT_TRUE(folder.IsSet());
    WriteSolidBmp24(folder.Path() / "501.bmp", 4, 3, 255, 0, 0);
    WriteSolidBmp24(folder.Path() / "502.bmp", 4, 3, 0, 0, 255);
    CBitmapButton button;
    ASSERT_TRUE(button.Create("Bold", BS_OWNERDRAW | WS_VISIBLE, CRect(0, 0, 20, 20), &m_panel, 10069));
    EXPECT_TRUE(button.LoadBitmaps(501, 502));
    button.SizeToContent();
    CRect r;
    button.GetClientRect(&r);
    EXPECT_EQ(r.Width(), 4);
    EXPECT_EQ(r.Height(), 3);
    m_panel.ShowWindow(SW_SHOW);
    button.Invalidate();
    MvPumpUntilIdle();
    EXPECT_EQ(WindowPixel(button, 1, 1), RGB(255, 0, 0));
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    MvPumpUntilIdle();
    EXPECT_EQ(WindowPixel(button, 1, 1), RGB(0, 0, 255)) << "pressed shows the selected bitmap";
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
}

} // namespace
