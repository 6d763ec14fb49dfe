#include "DesktopFixture.h"

#include "afx/controls/CBitmapButton.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include <vector>

namespace {

// What the desktop's accessibility bus is told of the peers: the roles and names of the
// windows and controls, and the actions a screen reader's user takes through it.
constexpr int kAutomatic = 200, kSpecify = 201, kBitrate = 202, kLabel = 203, kBar = 204, kBold = 205, kVoice = 206;

std::vector<std::pair<int, int>> gCommands;   // (id, code)

INT_PTR Proc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND) gCommands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

INT_PTR PanelProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

MvDialogTemplate Form()
{
    MvDialogTemplate form;
    form.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    form.caption = "Export";
    form.cx = 260;
    form.cy = 200;
    form.items = {
        {"Static", "Settings:", -1, WS_VISIBLE, 0, 5, 5, 40, 10},
        {"Button", "Automatic", kAutomatic, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0, 50, 5, 60, 10},
        {"Button", "Specify", kSpecify, WS_VISIBLE | BS_AUTORADIOBUTTON, 0, 115, 5, 60, 10},
        {"Static", "Bitrate:", -1, WS_VISIBLE, 0, 5, 22, 40, 10},
        {"ComboBox", "", kBitrate, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, 0, 50, 20, 80, 60},
        {"Static", "Voice:", -1, WS_VISIBLE, 0, 5, 40, 40, 10},
        {"ComboBox", "", kVoice, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 50, 38, 80, 60},
        {"Static", "", kLabel, WS_VISIBLE, 0, 5, 58, 200, 10},
        {PROGRESS_CLASS, "", kBar, WS_VISIBLE, 0, 5, 70, 200, 10},
        {"Button", "Align Center", kBold, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, 5, 85, 15, 14},
        {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 200, 180, 50, 14},
    };
    return form;
}

MvDialogTemplate Panel()
{
    MvDialogTemplate panel;
    panel.style = WS_CHILD | DS_CONTROL | WS_VISIBLE;
    panel.caption = "Text";
    panel.x = 5;
    panel.y = 105;
    panel.cx = 200;
    panel.cy = 60;
    panel.items = {{"RichEdit20a", "", 300, WS_VISIBLE | WS_TABSTOP | ES_MULTILINE, 0, 0, 0, 200, 60}};
    return panel;
}

// A check box drawn from bitmaps, as the framework's answers BM_GETCHECK.
class CheckPicture : public CBitmapButton {
public:
    int m_check = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == BM_GETCHECK) return m_check;
        return CBitmapButton::WindowProc(message, wParam, lParam);
    }
};

class DesktopAccessibilityTest : public DesktopDialogFixture {
protected:
    void SetUp() override
    {
        gCommands.clear();
        static MvDialogTemplate form = Form();
        static MvDialogTemplate panel = Panel();
        dialog = CreateDialogIndirectParamA(nullptr, &form, nullptr, Proc, 0);
        ASSERT_TRUE(dialog);
        ASSERT_TRUE(CreateDialogIndirectParamA(nullptr, &panel, dialog, PanelProc, 0));
        ASSERT_TRUE(m_picture.SubclassDlgItem(kBold, CWnd::FromHandle(dialog)));
        for (const char* voice : {"Anna", "Bert", "Cleo"})
            SendDlgItemMessageA(dialog, kVoice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(voice));
        SendDlgItemMessageA(dialog, kVoice, CB_SETCURSEL, 0, 0);
        ShowActive([&] { return Item(kBar) != nullptr; });
    }
    static QAccessibleInterface* Bus(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }
    bool Heard(int id, int code) const
    {
        for (auto& c : gCommands)
            if (c.first == id && c.second == code) return true;
        return false;
    }

    CheckPicture m_picture;
};

TEST_F(DesktopAccessibilityTest, WindowsAndControlsHaveTheRoleAndNameASightedUserSees)
{
    HWND panel = GetWindow(GetWindow(dialog, GW_CHILD), GW_HWNDFIRST);
    HWND editor = GetWindow(panel, GW_CHILD);
    ASSERT_TRUE(editor);
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "A11yFrame";
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, "A11yFrame", "Tellora", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_TRUE(WaitFor([&] { return WidgetOf<QWidget>(frame) && WidgetOf<QWidget>(editor); }));
    auto* bitrate = qobject_cast<QComboBox*>(Item(kBitrate));
    ASSERT_TRUE(bitrate && bitrate->lineEdit());
    struct Case {
        const char* what;
        QWidget* widget;
        QAccessible::Role role;
        QString name;
    };
    for (const Case& c : std::vector<Case>{
             {"the main window", WidgetOf<QWidget>(frame), QAccessible::Window, "Tellora"},
             {"a dialog", WidgetOf<QWidget>(dialog), QAccessible::Dialog, "Export"},
             {"a radio button", Item(kAutomatic), QAccessible::RadioButton, "Automatic"},
             {"the next radio button", Item(kSpecify), QAccessible::RadioButton, "Specify"},
             {"a combo box", bitrate, QAccessible::ComboBox, "Bitrate:"},
             {"the edit inside it", bitrate->lineEdit(), QAccessible::EditableText, "Bitrate:"},
             {"an owner-drawn button", Item(kBold), QAccessible::Button, "Align Center"},
             {"a panel's editor", WidgetOf<QWidget>(editor), QAccessible::EditableText, "Text"},
             {"a progress bar without a label's text", Item(kBar), QAccessible::ProgressBar, "Export"},
         }) {
        ASSERT_TRUE(c.widget) << c.what;
        QAccessibleInterface* bus = Bus(c.widget);
        ASSERT_TRUE(bus) << c.what;
        EXPECT_EQ(bus->role(), c.role) << c.what;
        EXPECT_EQ(bus->text(QAccessible::Name), c.name) << c.what;
    }
    EXPECT_FALSE(Bus(Item(kAutomatic))->state().checked);
    EXPECT_TRUE(Bus(Item(kAutomatic))->state().checkable);
    DestroyWindow(frame);
}

TEST_F(DesktopAccessibilityTest, ALabelsNewTextRenamesTheControlAfterIt)
{
    SetDlgItemTextA(dialog, kLabel, "Recording &speech");
    EXPECT_TRUE(WaitFor([&] { return Bus(Item(kBar))->text(QAccessible::Name) == "Recording speech"; }));
    SetDlgItemTextA(dialog, kLabel, "");
    EXPECT_TRUE(WaitFor([&] { return Bus(Item(kBar))->text(QAccessible::Name) == "Export"; }));
}

TEST_F(DesktopAccessibilityTest, AScreenReadersPressReachesTheModelAsAClick)
{
    QAccessibleInterface* radio = Bus(Item(kSpecify));
    ASSERT_TRUE(radio->actionInterface());
    radio->actionInterface()->doAction(radio->actionInterface()->actionNames().first());
    EXPECT_TRUE(WaitFor([&] { return IsDlgButtonChecked(dialog, kSpecify) == BST_CHECKED && radio->state().checked; }));
    EXPECT_EQ(IsDlgButtonChecked(dialog, kAutomatic), static_cast<UINT>(BST_UNCHECKED)) << "the model keeps its group";

    // An owner-drawn bitmap button toggles: its state is what the window answers.
    QAccessibleInterface* picture = Bus(Item(kBold));
    EXPECT_TRUE(picture->state().checkable);
    EXPECT_FALSE(picture->state().checked);
    m_picture.m_check = 1;
    EXPECT_TRUE(picture->state().checked);
    picture->actionInterface()->doAction(picture->actionInterface()->actionNames().first());
    EXPECT_TRUE(WaitFor([&] { return Heard(kBold, BN_CLICKED); }));
}

TEST_F(DesktopAccessibilityTest, AnOwnerDrawnButtonThatDrawsNothingShowsAsAToolButtonWithItsCaption)
{
    QImage picture = Item(kBold)->grab().toImage();
    ASSERT_FALSE(picture.isNull());
    QRgb first = picture.pixel(0, 0);
    bool drawn = false;
    for (int y = 0; y < picture.height() && !drawn; ++y)
        for (int x = 0; x < picture.width() && !drawn; ++x) drawn = picture.pixel(x, y) != first;
    EXPECT_TRUE(drawn) << "the caption's initials, not an empty square";
}

TEST_F(DesktopAccessibilityTest, AnOpenDropDownListTakesReturnAndEscape)
{
    auto* voice = qobject_cast<QComboBox*>(Item(kVoice));
    voice->setFocus();
    voice->showPopup();
    ASSERT_TRUE(WaitFor([&] { return voice->view()->isVisible(); }));
    QTest::keyClick(voice->view(), Qt::Key_Down);
    QTest::keyClick(voice->view(), Qt::Key_Return);
    EXPECT_TRUE(WaitFor([&] { return !voice->view()->isVisible(); })) << "Return closes the list";
    EXPECT_EQ(SendDlgItemMessageA(dialog, kVoice, CB_GETCURSEL, 0, 0), 1) << "and picks the item";
    EXPECT_FALSE(Heard(IDOK, BN_CLICKED)) << "the dialog's default button stays unpressed";

    voice->showPopup();
    ASSERT_TRUE(WaitFor([&] { return voice->view()->isVisible(); }));
    QTest::keyClick(voice->view(), Qt::Key_Down);
    QTest::keyClick(voice->view(), Qt::Key_Escape);
    EXPECT_TRUE(WaitFor([&] { return !voice->view()->isVisible(); })) << "Escape closes the list";
    EXPECT_EQ(SendDlgItemMessageA(dialog, kVoice, CB_GETCURSEL, 0, 0), 1) << "and keeps the choice";
    EXPECT_FALSE(Heard(IDCANCEL, BN_CLICKED));
    EXPECT_TRUE(IsWindow(dialog));
}

} // namespace
