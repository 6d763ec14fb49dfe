#include "DesktopFixture.h"
#include "DesktopSliderHandle.h"

#include "desktop/DesktopSurface.h"
#include "desktop/DesktopTopLevelPeer.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlListBox.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr int kEdit = 100, kLoud = 101, kVoice = 102, kSpeed = 103, kList = 104;

struct Heard {
    std::vector<std::pair<int, int>> commands;   // (id, code)
    std::vector<int> scrolls;                     // WM_HSCROLL codes
    std::vector<UINT> notices;                    // WM_NOTIFY codes
} gHeard;

INT_PTR Proc(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) gHeard.commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    if (message == WM_HSCROLL) gHeard.scrolls.push_back(LOWORD(wParam));
    if (message == WM_NOTIFY) gHeard.notices.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

MvDialogTemplate Form()
{
    MvDialogTemplate form;
    form.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    form.caption = "Speech";
    form.cx = 200;
    form.cy = 120;
    form.items = {
        {"Static", "&Name:", -1, WS_VISIBLE, 0, 7, 7, 40, 10},
        {"Edit", "", kEdit, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 50, 5, 100, 14},
        {"Button", "Loud", kLoud, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 24, 60, 10},
        {"Static", "Voice:", -1, WS_VISIBLE, 0, 7, 40, 40, 10},
        {"ComboBox", "", kVoice, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 50, 38, 100, 60},
        {TRACKBAR_CLASS, "", kSpeed, WS_VISIBLE | WS_TABSTOP, 0, 7, 56, 140, 16},
        {"ListBox", "", kList, WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY, 0, 7, 76, 100, 36},
        {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 150, 100, 40, 14},
    };
    return form;
}

class DesktopDialogTest : public DesktopDialogFixture {
protected:
    void SetUp() override
    {
        gHeard = {};
        static MvDialogTemplate form = Form();
        dialog = CreateDialogIndirectParamA(nullptr, &form, nullptr, Proc, 0);
        ASSERT_TRUE(dialog);
        for (const char* voice : {"Anna", "Bert", "Cleo"}) SendDlgItemMessageA(dialog, kVoice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(voice));
        for (const char* row : {"one", "two", "three"}) SendDlgItemMessageA(dialog, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
        SendDlgItemMessageA(dialog, kSpeed, TBM_SETRANGE, TRUE, MAKELPARAM(0, 20));
        ShowActive();
    }

};

TEST_F(DesktopDialogTest, EveryControlStandsWhereItsModelPlacesItAsTheWidgetOfItsKind)
{
    auto* top = dynamic_cast<DesktopTopLevelPeer*>(DesktopBackend::Instance().FindPeer(dialog));
    ASSERT_TRUE(top);
    EXPECT_EQ(top->Widget()->windowTitle(), "Speech");
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(top->Client()->size(), QSize(client.right, client.bottom));
    struct Case {
        int id;
        const char* qtClass;
    };
    for (Case c : std::vector<Case>{{kEdit, "QLineEdit"}, {kLoud, "QCheckBox"}, {kVoice, "QComboBox"},
                                    {kSpeed, "QSlider"}, {kList, "QListWidget"}, {IDOK, "QPushButton"}}) {
        HWND control = GetDlgItem(dialog, c.id);
        QWidget* widget = Item(c.id);
        ASSERT_TRUE(widget) << c.id;
        EXPECT_TRUE(widget->inherits(c.qtClass)) << c.id << " is a " << widget->metaObject()->className();
        RECT r{};
        GetWindowRect(control, &r);
        POINT origin{0, 0};
        ClientToScreen(dialog, &origin);
        QRect model(r.left - origin.x, r.top - origin.y, r.right - r.left, r.bottom - r.top);
        // A combo box's rectangle holds its dropped-down list; the box shows the edit part.
        if (c.id == kVoice) model.setHeight(widget->height());
        EXPECT_EQ(widget->geometry(), model) << c.id;
        EXPECT_TRUE(widget->isVisible()) << c.id;
        EXPECT_EQ(widget->parentWidget(), static_cast<QWidget*>(top->Client())) << c.id;
    }
    EXPECT_LT(Item(kVoice)->height(), 40);
    EXPECT_EQ(qobject_cast<QComboBox*>(Item(kVoice))->count(), 3);
    EXPECT_EQ(qobject_cast<QListWidget*>(Item(kList))->item(2)->text(), "three");
    EXPECT_EQ(qobject_cast<QSlider*>(Item(kSpeed))->maximum(), 20);
    EXPECT_TRUE(qobject_cast<QPushButton*>(Item(IDOK))->isDefault());
}

TEST_F(DesktopDialogTest, TheGrabbedDialogShowsItsControls)
{
    QWidget* window = DesktopBackend::Instance().FindPeer(dialog)->Widget();
    QImage image = window->grab().toImage();
    ASSERT_FALSE(image.isNull());
    // The OK button's text is drawn: its area holds more than one colour.
    QRect ok = Item(IDOK)->geometry();
    QImage button = image.copy(ok);
    QRgb first = button.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < button.height() && !varied; ++y)
        for (int x = 0; x < button.width() && !varied; ++x) varied = button.pixel(x, y) != first;
    EXPECT_TRUE(varied);
    Keep(image, "dialog.png");
}

TEST_F(DesktopDialogTest, ModelChangesShowAtOnce)
{
    SetDlgItemTextA(dialog, kEdit, "Hello");
    CheckDlgButton(dialog, kLoud, BST_CHECKED);
    SendDlgItemMessageA(dialog, kVoice, CB_SETCURSEL, 2, 0);
    SendDlgItemMessageA(dialog, kSpeed, TBM_SETPOS, TRUE, 7);
    EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
    ShowWindow(GetDlgItem(dialog, kList), SW_HIDE);
    SetWindowTextA(dialog, "Speech settings");
    EXPECT_TRUE(WaitFor([&] {
        return qobject_cast<QLineEdit*>(Item(kEdit))->text() == "Hello" &&
               qobject_cast<QCheckBox*>(Item(kLoud))->isChecked() &&
               qobject_cast<QComboBox*>(Item(kVoice))->currentText() == "Cleo" &&
               qobject_cast<QSlider*>(Item(kSpeed))->value() == 7 && !Item(IDOK)->isEnabled() &&
               !Item(kList)->isVisible() &&
               DesktopBackend::Instance().FindPeer(dialog)->Widget()->windowTitle() == "Speech settings";
    }));
}

TEST_F(DesktopDialogTest, ClicksAndTypingReachTheModelsAsAUsersDo)
{
    QTest::mouseClick(Item(kLoud), Qt::LeftButton);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kLoud), static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(qobject_cast<QCheckBox*>(Item(kLoud))->isChecked());
    QTest::mouseClick(Item(IDOK), Qt::LeftButton);

    auto* edit = qobject_cast<QLineEdit*>(Item(kEdit));
    edit->setFocus();
    QTest::keyClicks(edit, "Hi there");
    QTest::keyClick(edit, Qt::Key_Backspace);
    char text[64] = {};
    GetDlgItemTextA(dialog, kEdit, text, sizeof text);
    EXPECT_STREQ(text, "Hi ther");
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kEdit));
    // Shift+Home selects back to the start, in the model as on screen.
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    auto* model = CtlModelAs<CtlEdit>(GetDlgItem(dialog, kEdit));
    EXPECT_EQ(model->Doc().SelStart(), 0);
    EXPECT_EQ(model->Doc().SelEnd(), 7);

    auto* combo = qobject_cast<QComboBox*>(Item(kVoice));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(SendDlgItemMessageA(dialog, kVoice, CB_GETCURSEL, 0, 0), 0);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(SendDlgItemMessageA(dialog, kVoice, CB_GETCURSEL, 0, 0), 1);

    auto* list = qobject_cast<QListWidget*>(Item(kList));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(SendDlgItemMessageA(dialog, kList, LB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(list->item(1)->isSelected());

    auto has = [](int id, int code) {
        for (auto& c : gHeard.commands)
            if (c.first == id && c.second == code) return true;
        return false;
    };
    EXPECT_TRUE(has(kLoud, BN_CLICKED));
    EXPECT_TRUE(has(IDOK, BN_CLICKED));
    EXPECT_TRUE(has(kEdit, EN_CHANGE));
    EXPECT_TRUE(has(kVoice, CBN_SELCHANGE));
    EXPECT_TRUE(has(kList, LBN_SELCHANGE));
}

TEST_F(DesktopDialogTest, DraggingTheSliderMovesTheModelAndReleasingItIsHeard)
{
    auto* slider = qobject_cast<QSlider*>(Item(kSpeed));
    QPoint from = DesktopSliderHandle(slider).center();
    QPoint to(slider->width() - 2, from.y());
    QTest::mousePress(slider, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, slider->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
    auto* model = CtlModelAs<CtlTrackbar>(GetDlgItem(dialog, kSpeed));
    EXPECT_EQ(model->Pos(), 20);
    EXPECT_FALSE(model->IsDragging());
    EXPECT_EQ(slider->value(), 20);
    EXPECT_NE(std::find(gHeard.scrolls.begin(), gHeard.scrolls.end(), TB_THUMBTRACK), gHeard.scrolls.end());
    EXPECT_NE(std::find(gHeard.scrolls.begin(), gHeard.scrolls.end(), TB_ENDTRACK), gHeard.scrolls.end());
    EXPECT_NE(std::find(gHeard.notices.begin(), gHeard.notices.end(), NM_RELEASEDCAPTURE), gHeard.notices.end());
    // A key steps it through the model as well.
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(model->Pos(), 19);
    EXPECT_EQ(slider->value(), 19);
}

TEST_F(DesktopDialogTest, ControlsAreNamedByTheirCaptionOrTheLabelBeforeThem)
{
    EXPECT_EQ(Item(kEdit)->accessibleName(), "Name:");
    EXPECT_EQ(Item(kVoice)->accessibleName(), "Voice:");
    EXPECT_EQ(Item(kLoud)->accessibleName(), "Loud");
    EXPECT_EQ(Item(IDOK)->accessibleName(), "OK");
}

TEST_F(DesktopDialogTest, TabAndEscapeAreTheDialogsKeys)
{
    auto* edit = qobject_cast<QLineEdit*>(Item(kEdit));
    edit->setFocus();
    SetFocus(GetDlgItem(dialog, kEdit));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kLoud));
    EXPECT_TRUE(WaitFor([&] { return Item(kLoud)->hasFocus(); }));
    QTest::keyClick(Item(kLoud), Qt::Key_Escape);
    bool cancelled = false;
    for (auto& c : gHeard.commands) cancelled |= c.first == IDCANCEL;
    EXPECT_TRUE(cancelled);
}

// Programs pre-translate every key through their dialogs, as the framework's dialogs do;
// the dialog takes its own keys and leaves typing and editing keys to the control.
TEST_F(DesktopDialogTest, TypingStillReachesTheControlWhenTheDialogPreTranslatesKeys)
{
    MvSetPreTranslateHook([this](MSG& msg) {
        return msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && IsDialogMessageA(dialog, &msg);
    });
    auto* edit = qobject_cast<QLineEdit*>(Item(kEdit));
    edit->setFocus();
    SetFocus(GetDlgItem(dialog, kEdit));
    QTest::keyClicks(edit, "Hi 12");
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Backspace);
    char text[64] = {};
    GetDlgItemTextA(dialog, kEdit, text, sizeof text);
    EXPECT_STREQ(text, "Hi 2");
    EXPECT_EQ(edit->text(), "Hi 2");
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kLoud)) << "Tab is still the dialog's";
    QTest::keyClick(Item(kLoud), Qt::Key_Escape);
    bool cancelled = false;
    for (auto& c : gHeard.commands) cancelled |= c.first == IDCANCEL;
    EXPECT_TRUE(cancelled) << "so is Escape";
    MvSetPreTranslateHook(nullptr);
}

TEST_F(DesktopDialogTest, AChangeSentFromAWorkerThreadShows)
{
    HWND edit = GetDlgItem(dialog, kEdit);
    std::atomic<bool> done{false};
    std::thread worker([&] {
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("from a worker"));
        done = true;
    });
    EXPECT_TRUE(WaitFor([&] { return done && qobject_cast<QLineEdit*>(Item(kEdit))->text() == "from a worker"; }));
    worker.join();
}

INT_PTR ModalProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) EndDialog(dialog, 42);
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

TEST_F(DesktopTest, AModalDialogRunsItsLoopWhileQtShowsItAndEndsOnAClick)
{
    MvDialogTemplate form;
    form.caption = "Modal";
    form.cx = 100;
    form.cy = 40;
    form.items = {{"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 30, 12, 40, 14}};
    bool clicked = false;
    // The click comes from Qt's loop, which the modal loop keeps running while it waits.
    QTimer::singleShot(0, [&] {
        (void)QTest::qWaitFor([&] {
            std::vector<HWND> modals = MvRunningModals();
            if (modals.empty()) return false;
            DesktopBackend::Instance().Flush();
            DesktopPeer* ok = DesktopBackend::Instance().FindPeer(GetDlgItem(modals.back(), IDOK));
            if (!ok || !ok->Widget()->isVisible()) return false;
            QTest::mouseClick(ok->Widget(), Qt::LeftButton);
            clicked = true;
            return true;
        }, 10000);
    });
    INT_PTR result = DialogBoxIndirectParamA(nullptr, &form, nullptr, ModalProc, 0);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(result, 42);
}

} // namespace
