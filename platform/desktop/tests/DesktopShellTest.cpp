#include "DesktopFixture.h"

#include "afx/windows/CFrameWnd.h"
#include "afx/windows/CToolBar.h"
#include "desktop/DesktopSurface.h"
#include "desktop/DesktopSurfacePeer.h"
#include "desktop/DesktopTextPeer.h"
#include "desktop/DesktopToolBarPeer.h"
#include "desktop/DesktopTray.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/RichEdit.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/Resources.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/gdi/Paint.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/controls/CtlWindow.h"
#include "win32/windowing/Shell.h"
#include "win32/windowing/Window.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTextEdit>
#include <QToolBar>
#include <QUrl>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT kTrayMessage = WM_USER + 2;

struct Heard {
    std::vector<std::pair<WPARAM, LPARAM>> tray;
    std::vector<std::string> dropped;
    POINT dropPoint{-1, -1};
} gHeard;

LRESULT Owner(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kTrayMessage) gHeard.tray.emplace_back(wParam, lParam);
    if (message == WM_DROPFILES) {
        auto drop = reinterpret_cast<HDROP>(wParam);
        UINT n = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < n; ++i) {
            char path[512] = {};
            DragQueryFileA(drop, i, path, sizeof path);
            gHeard.dropped.emplace_back(path);
        }
        DragQueryPoint(drop, &gHeard.dropPoint);
        DragFinish(drop);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeOwner(const char* caption, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE)
{
    static ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Owner;
        wc.lpszClassName = "DesktopShellOwner";
        return RegisterClassA(&wc);
    }();
    (void)atom;
    return CreateWindowExA(0, "DesktopShellOwner", caption, style, 30, 30, 320, 200, nullptr, nullptr, nullptr, nullptr);
}

// A 16 x 16 icon of one colour.
HICON SolidIcon(COLORREF colour)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP pixels = CreateCompatibleBitmap(screen, 16, 16);
    HBITMAP mask = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, pixels);
    RECT all{0, 0, 16, 16};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &all, brush);
    SelectObject(dc, mask);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteDC(dc);
    ICONINFO info{TRUE, 0, 0, mask, pixels};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(pixels);
    DeleteObject(mask);
    return icon;
}

NOTIFYICONDATAA TrayRecord(HWND owner, HICON icon, const char* tip)
{
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = 100;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = icon;
    std::strncpy(data.szTip, tip, sizeof data.szTip - 1);
    return data;
}

class DesktopShellTest : public DesktopTest {
protected:
    void SetUp() override { gHeard = {}; }
    void TearDown() override
    {
        for (HWND h : m_windows)
            if (IsWindow(h)) DestroyWindow(h);
        MvPumpUntilIdle();
        DesktopBackend::Instance().Flush();
    }
    using DesktopTest::Keep;
    HWND Keep(HWND hwnd)
    {
        m_windows.push_back(hwnd);
        return hwnd;
    }
    std::vector<HWND> m_windows;
};

TEST_F(DesktopShellTest, ATrayIconShowsTheModelsPictureAndTipAndItsClicksReachTheOwner)
{
    HWND owner = Keep(MakeOwner("Tray owner"));
    HICON red = SolidIcon(RGB(255, 0, 0));
    NOTIFYICONDATAA data = TrayRecord(owner, red, "Speaking");
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
    DesktopTray& tray = DesktopBackend::Instance().Tray();
    ASSERT_TRUE(WaitFor([&] { return tray.Icon(owner, 100) && tray.Icon(owner, 100)->toolTip() == "Speaking"; }));
    QImage picture = tray.Icon(owner, 100)->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(QColor(picture.pixel(8, 8)), QColor(255, 0, 0));

    // The icon rotator's next picture and a new tip.
    HICON blue = SolidIcon(RGB(0, 0, 255));
    data = TrayRecord(owner, blue, "Paused");
    ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data));
    ASSERT_TRUE(WaitFor([&] { return tray.Icon(owner, 100)->toolTip() == "Paused"; }));
    EXPECT_EQ(QColor(tray.Icon(owner, 100)->icon().pixmap(16, 16).toImage().pixel(8, 8)), QColor(0, 0, 255));

    // A double click brings the owner back; the context click asks for its menu.
    emit tray.Icon(owner, 100)->activated(QSystemTrayIcon::DoubleClick);
    emit tray.Icon(owner, 100)->activated(QSystemTrayIcon::Context);
    ASSERT_TRUE(WaitFor([&] { return gHeard.tray.size() == 2; }));
    EXPECT_EQ(gHeard.tray[0], (std::pair<WPARAM, LPARAM>{100, WM_LBUTTONDBLCLK}));
    EXPECT_EQ(gHeard.tray[1], (std::pair<WPARAM, LPARAM>{100, WM_RBUTTONUP}));

    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    EXPECT_TRUE(WaitFor([&] { return !tray.Icon(owner, 100); }));

    // An icon goes with its owner.
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
    ASSERT_TRUE(WaitFor([&] { return tray.Icon(owner, 100) != nullptr; }));
    DestroyWindow(owner);
    EXPECT_TRUE(WaitFor([&] { return !tray.Icon(owner, 100); }));
    DestroyIcon(red);
    DestroyIcon(blue);
}

// Files dragged onto a control reach the nearest window that accepts files, at the
// point of the drop in that window.
TEST_F(DesktopShellTest, FilesDroppedOnAControlReachTheWindowThatAcceptsThem)
{
    HWND owner = Keep(MakeOwner("Drop target"));
    HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 20, 30, 200, 24, owner, nullptr,
                                nullptr, nullptr);
    ASSERT_TRUE(edit);
    QLineEdit* line = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (line = WidgetOf<QLineEdit>(edit)) && line->isVisible(); }));

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/one.txt"), QUrl::fromLocalFile("/tmp/two words.rtf"),
                   QUrl("https://example.org/not-a-file")});
    auto dragOnto = [&](QWidget* target) {
        QDragEnterEvent enter(QPoint(5, 6), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 6), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return std::make_pair(enter.isAccepted(), drop.isAccepted());
    };

    // Nobody accepts files yet: the edit keeps its own handling and the owner hears nothing.
    dragOnto(line);
    MvPumpUntilIdle();
    EXPECT_TRUE(gHeard.dropped.empty());

    DragAcceptFiles(owner, TRUE);
    auto [entered, dropped] = dragOnto(line);
    EXPECT_TRUE(entered);
    EXPECT_TRUE(dropped);
    ASSERT_TRUE(WaitFor([&] { return gHeard.dropped.size() == 2; }));
    EXPECT_EQ(gHeard.dropped, (std::vector<std::string>{"/tmp/one.txt", "/tmp/two words.rtf"}));
    POINT expected{5, 6};
    ClientToScreen(edit, &expected);
    ScreenToClient(owner, &expected);
    RECT edge{};
    GetWindowRect(edit, &edge);
    POINT corner{edge.left, edge.top};
    ScreenToClient(owner, &corner);
    EXPECT_EQ(gHeard.dropPoint.x, corner.x + 5);
    EXPECT_EQ(gHeard.dropPoint.y, corner.y + 6);
    EXPECT_EQ(GetWindowTextLengthA(edit), 0) << "no path was typed into the edit";
}

// A window that something draws on from another thread (a video renderer's pictures)
// shows each picture without being asked to repaint.
TEST_F(DesktopShellTest, PicturesDrawnFromAWorkerThreadShowInTheWindow)
{
    HWND owner = Keep(MakeOwner("Video"));
    HWND video = CreateWindowExA(0, "DesktopShellOwner", "", WS_CHILD | WS_VISIBLE, 10, 10, 160, 120, owner, nullptr,
                                 nullptr, nullptr);
    ASSERT_TRUE(video);
    DesktopSurfacePeer* peer = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        peer = dynamic_cast<DesktopSurfacePeer*>(DesktopBackend::Instance().FindPeer(video));
        return peer && peer->Widget()->isVisible();
    }));
    QWidget* widget = peer->Widget();
    widget->grab();   // shown once before the pictures come, as a player's window is
    for (COLORREF frame : {RGB(200, 0, 0), RGB(0, 160, 0), RGB(0, 0, 220)}) {
        std::thread renderer([&] {
            // One picture of 32-bit pixels, stretched into the window as the renderer does.
            std::vector<uint32_t> pixels(8 * 6, (GetRValue(frame) << 16) | (GetGValue(frame) << 8) | GetBValue(frame));
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof info.bmiHeader;
            info.bmiHeader.biWidth = 8;
            info.bmiHeader.biHeight = 6;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            HDC dc = GetDC(video);
            StretchDIBits(dc, 0, 0, 160, 120, 0, 0, 8, 6, pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
            ReleaseDC(video, dc);
        });
        renderer.join();
        QRgb want = qRgb(GetRValue(frame), GetGValue(frame), GetBValue(frame));
        EXPECT_TRUE(WaitFor([&] { return widget->grab().toImage().pixel(80, 60) == want; })) << std::hex << want;
    }
}

// The font combo's items are drawn by its own code: the list and the closed box show
// what that code painted.
constexpr int kFonts = 300;
const COLORREF kItemColours[] = {RGB(255, 0, 0), RGB(0, 200, 0), RGB(0, 0, 255)};

INT_PTR DrawingDialog(HWND, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_DRAWITEM) {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (draw->itemID < 3) {
            HBRUSH brush = CreateSolidBrush(kItemColours[draw->itemID]);
            FillRect(draw->hDC, &draw->rcItem, brush);
            DeleteObject(brush);
        }
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

TEST_F(DesktopShellTest, AnOwnerDrawnComboShowsItsItemsAsItsCodeDrawsThem)
{
    static MvDialogTemplate form = [] {
        MvDialogTemplate t;
        t.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
        t.caption = "Fonts";
        t.cx = 160;
        t.cy = 80;
        t.items = {{"ComboBox", "", kFonts,
                    WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 0, 7, 7, 120, 60}};
        return t;
    }();
    HWND dialog = Keep(CreateDialogIndirectParamA(nullptr, &form, nullptr, DrawingDialog, 0));
    ASSERT_TRUE(dialog);
    HWND combo = GetDlgItem(dialog, kFonts);
    for (const char* name : {"Red", "Green", "Blue"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    QComboBox* box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = WidgetOf<QComboBox>(combo)) && box->isVisible() && box->count() == 3; }));

    // The closed box: the chosen item as drawn, inside the box's frame.
    EXPECT_TRUE(WaitFor([&] {
        QImage face = box->grab().toImage();
        return QColor(face.pixel(face.width() / 4, face.height() / 2)) == QColor(0, 200, 0);
    }));
    EXPECT_EQ(qAlpha(box->grab().toImage().pixel(box->width() / 4, box->height() / 2)), 255) << "drawn opaque";
    Keep(box->grab().toImage(), "owner-drawn-combo.png");

    // The dropped-down list: every row as drawn.
    box->showPopup();
    QAbstractItemView* view = box->view();
    ASSERT_TRUE(WaitFor([&] { return view->isVisible(); }));
    QImage list = view->grab().toImage();
    for (int row = 0; row < 3; ++row) {
        QRect cell = view->visualRect(box->model()->index(row, 0));
        QColor seen(list.pixel(cell.center()));
        EXPECT_EQ(seen, QColor(GetRValue(kItemColours[row]), GetGValue(kItemColours[row]), GetBValue(kItemColours[row])))
            << row;
    }
    box->hidePopup();
}

// A tool bar with a bitmap shows each button's picture from its strip, keeps its name for
// screen readers and its prompt as the tip.
TEST_F(DesktopShellTest, AToolBarShowsItsButtonsPicturesFromItsBitmap)
{
    constexpr UINT kBar = 7400, kPlay = 33001, kHalt = 33002;
    MvRegisterString(kPlay, "Play the text\nPlay");
    MvRegisterString(kHalt, "Halt the text\nHalt");
    MvRegisterToolBar(kBar, {kPlay, 0, kHalt});
    QImage strip(32, 15, QImage::Format_RGB32);
    strip.fill(QColor(192, 192, 192));
    for (int y = 4; y < 10; ++y)
        for (int x = 4; x < 10; ++x) {
            strip.setPixel(x, y, qRgb(0, 128, 0));
            strip.setPixel(16 + x, y, qRgb(128, 0, 0));
        }
    QString folder = qEnvironmentVariable("MORVANE_HOME") + "/resources";
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(strip.save(folder + "/7400.bmp", "BMP"));
    ASSERT_TRUE(MvSetResourceFolder(nullptr, folder.toUtf8().constData()));

    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Pictures"));
    m_windows.push_back(frame->m_hWnd);
    CToolBar bar;
    ASSERT_TRUE(bar.Create(frame));
    ASSERT_TRUE(bar.LoadToolBar(kBar));
    MvSetResourceFolder(nullptr, nullptr);
    frame->ShowWindow(SW_SHOW);
    DesktopToolBarPeer* peer = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        peer = dynamic_cast<DesktopToolBarPeer*>(DesktopBackend::Instance().FindPeer(bar.m_hWnd));
        return peer && peer->Bar()->actions().size() == 3;
    }));
    QList<QAction*> actions = peer->Bar()->actions();
    EXPECT_EQ(peer->Bar()->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(actions[0]->text(), "Play");
    EXPECT_EQ(actions[0]->toolTip(), "Play");
    EXPECT_TRUE(actions[1]->isSeparator());
    struct Case {
        QAction* action;
        QColor colour;
    };
    for (const Case& c : {Case{actions[0], QColor(0, 128, 0)}, Case{actions[2], QColor(128, 0, 0)}}) {
        QImage picture = c.action->icon().pixmap(QSize(16, 15)).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(QColor(picture.pixel(6, 6)), c.colour);
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "the strip's grey lets the button show through";
    }
    Keep(peer->Bar()->grab().toImage(), "toolbar-pictures.png");
    frame->DestroyWindow();
}

// Text in a typeface the desktop lacks shows in the desktop's stand-in for it, never as
// an empty box.
TEST_F(DesktopShellTest, TextInAMissingTypefaceShowsInTheDesktopsStandIn)
{
    HWND owner = Keep(MakeOwner("Fonts"));
    HWND edit = CreateWindowExA(0, RICHEDIT_CLASS, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 10, 280, 120, owner,
                                nullptr, nullptr, nullptr);
    ASSERT_TRUE(edit);
    SetWindowTextA(edit, "Words in a lost face");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_SIZE;
    format.yHeight = 14 * 20;
    std::strcpy(format.szFaceName, "No Such Typeface Anywhere");
    SendMessageA(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageA(edit, EM_SETSEL, 0, 0);
    DesktopTextPeer* peer = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        peer = dynamic_cast<DesktopTextPeer*>(DesktopBackend::Instance().FindPeer(edit));
        return peer && peer->Editor()->isVisible() && peer->Editor()->toPlainText() == "Words in a lost face";
    }));
    QTextCursor cursor(peer->Editor()->document());
    cursor.setPosition(3);
    QFont asked = cursor.charFormat().font();
    EXPECT_TRUE(asked.families().contains("No Such Typeface Anywhere")) << "the model's face is asked for";
    QFontInfo shown(asked);
    EXPECT_NE(shown.family(), "No Such Typeface Anywhere");
    EXPECT_FALSE(shown.family().isEmpty()) << "a stand-in typeface";
    // The words are drawn: dark glyph pixels on the editor's light ground.
    QImage shot = peer->Editor()->viewport()->grab().toImage();
    int dark = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) dark += qGray(shot.pixel(x, y)) < 100;
    EXPECT_GT(dark, 50);
}

// A window placed where no screen is, larger than any (a broken saved placement), shows on
// the desktop at a size it can have, and the model follows.
TEST_F(DesktopShellTest, AWindowPlacedBeyondEveryScreenShowsOnTheDesktop)
{
    HWND owner = Keep(MakeOwner("Lost", WS_OVERLAPPEDWINDOW));
    ASSERT_TRUE(owner);
    MoveWindow(owner, -1202480105, 127, 1840910736, 353, FALSE);
    ShowWindow(owner, SW_SHOW);
    QRect desk = QGuiApplication::primaryScreen()->availableVirtualGeometry();
    DesktopPeer* peer = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        peer = DesktopBackend::Instance().FindPeer(owner);
        return peer && peer->Widget()->isVisible();
    }));
    QRect shown = peer->Widget()->frameGeometry();
    EXPECT_TRUE(desk.intersects(shown)) << "on the desktop";
    EXPECT_LE(peer->Widget()->width(), desk.width());
    EXPECT_TRUE(WaitFor([&] {
        RECT r{}, client{};
        GetWindowRect(owner, &r);
        GetClientRect(owner, &client);
        return desk.intersects(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top)) && client.right <= desk.width();
    })) << "the model follows";
    QImage shot = peer->Widget()->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    EXPECT_LE(shot.width(), desk.width());
}

// Keys typed in a row are one step for undo, on screen as in the model, wherever the
// caret stands.
TEST_F(DesktopShellTest, WordsTypedOnScreenAreUndoneAsOneStep)
{
    HWND owner = Keep(MakeOwner("Typing"));
    HWND edit = CreateWindowExA(0, RICHEDIT_CLASS, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 10, 280, 120, owner,
                                nullptr, nullptr, nullptr);
    ASSERT_TRUE(edit);
    DesktopTextPeer* peer = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        peer = dynamic_cast<DesktopTextPeer*>(DesktopBackend::Instance().FindPeer(edit));
        return peer && peer->Editor()->isVisible();
    }));
    auto text = [&] {
        std::vector<char> buffer(8192);
        GetWindowTextA(edit, buffer.data(), static_cast<int>(buffer.size()));
        return std::string(buffer.data());
    };
    // The model's positions count a paragraph end once; its text reads it as "\r\n".
    const std::string lines = "First line.\r\nLast line.";
    struct Place {
        LONG caret;
        size_t at;
    };
    for (Place place : {Place{0, 0}, Place{12, 13}, Place{22, lines.size()}}) {
        LONG caret = place.caret;
        SetWindowTextA(edit, lines.c_str());
        SendMessageA(edit, EM_SETSEL, caret, caret);
        ASSERT_TRUE(WaitFor([&] { return peer->Editor()->textCursor().position() == caret; })) << caret;
        peer->Editor()->setFocus();
        // Each key as a person types it: the window system and the screen catch up in between.
        for (QChar c : QString("more words ")) {
            QTest::keyClicks(peer->Editor(), QString(c));
            MvPumpUntilIdle();
            DesktopBackend::Instance().Flush();
        }
        std::string typed = lines;
        typed.insert(place.at, "more words ");
        EXPECT_EQ(text(), typed) << caret;
        SendMessageA(edit, EM_UNDO, 0, 0);
        EXPECT_EQ(text(), lines) << "typing at " << caret << " is one step";
    }
}

} // namespace
