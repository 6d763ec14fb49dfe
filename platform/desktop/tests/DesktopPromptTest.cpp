#include "DesktopFixture.h"

#include "desktop/DesktopDisplay.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/dialogs/Menu.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/Window.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <fstream>
#include <string>

namespace {

// Runs `act` on the modal widget of type W once Qt shows it.
template <class W> void WhenShown(std::function<void(W*)> act)
{
    QTimer::singleShot(0, [act] {
        W* shown = nullptr;
        (void)QTest::qWaitFor(
            [&] {
                shown = qobject_cast<W*>(QApplication::activeModalWidget());
                if (!shown) shown = qobject_cast<W*>(QApplication::activePopupWidget());
                return shown && shown->isVisible();
            },
            10000);
        if (shown) act(shown);
    });
}

TEST_F(DesktopTest, AMessageBoxShowsTheSystemsTextsAndButtonsAndAnswersTheOneClicked)
{
    QString text, title;
    int buttons = 0;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        title = box->windowTitle();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::No)->click();
    });
    int answer = MessageBoxA(nullptr, "Would you like to download the TTS engine?", "Tellora", MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(text, "Would you like to download the TTS engine?");
    EXPECT_EQ(title, "Tellora");
    EXPECT_EQ(buttons, 2);

    // Escape on a box with Cancel answers Cancel; on a lone OK it answers OK.
    WhenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(MessageBoxA(nullptr, "Save?", "Tellora", MB_YESNOCANCEL), IDCANCEL);
    WhenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(MessageBoxA(nullptr, "Done.", "Tellora", MB_OK), IDOK);
}

TEST_F(DesktopTest, TheFileChooserTakesThePromptersFiltersAndAnswersTheChosenFile)
{
    std::string folder = qEnvironmentVariable("MORVANE_HOME").toStdString();
    std::string path = folder + "/speech.txt";
    std::ofstream(path) << "text";
    char file[260] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFilter = "Text files\0*.txt;*.rtf\0All files\0*.*\0\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrTitle = "Open Text";
    ofn.Flags = OFN_FILEMUSTEXIST;

    QStringList filters;
    QString title;
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        title = dialog->windowTitle();
        dialog->reject();
    });
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(filters, (QStringList{"Text files (*.txt *.rtf)", "All files (*.*)"}));
    EXPECT_EQ(title, "Open Text");

    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        dialog->selectNameFilter("All files (*.*)");
        dialog->selectFile(QString::fromStdString(path));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(std::string(file), path);
    EXPECT_EQ(ofn.nFilterIndex, 2u);
}

TEST_F(DesktopTest, APopupMenuAnswersTheChosenCommand)
{
    HWND owner = CreateWindowExA(0, "Static", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 10, "&Copy\tCtrl+C");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, 11, "Paste");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | MF_CHECKED, 12, "Loud");
    QStringList texts;
    bool pasteEnabled = true, loudChecked = false;
    WhenShown<QMenu>([&](QMenu* shown) {
        for (QAction* a : shown->actions()) {
            texts << a->text();
            if (a->text() == "Paste") pasteEnabled = a->isEnabled();
            if (a->text() == "Loud") loudChecked = a->isChecked();
        }
        shown->actions().at(3)->trigger();
        shown->close();
    });
    UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner, nullptr));
    EXPECT_EQ(chosen, 12u);
    EXPECT_EQ(texts, (QStringList{"&Copy\tCtrl+C", "Paste", "", "Loud"}));
    EXPECT_FALSE(pasteEnabled);
    EXPECT_TRUE(loudChecked);
    DestroyMenu(menu);
    DestroyWindow(owner);
}

TEST(DesktopDisplayTest, WithoutADisplayTheProblemIsNamed)
{
    struct Saved {
        const char* name;
        std::string value;
        bool set;
    };
    std::vector<Saved> saved;
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* v = std::getenv(name);
        saved.push_back({name, v ? v : "", v != nullptr});
        unsetenv(name);
    }
    const char* problem = DesktopDisplayProblem();
    ASSERT_NE(problem, nullptr);
    EXPECT_NE(std::string(problem).find("DISPLAY"), std::string::npos);
    setenv("WAYLAND_DISPLAY", "wayland-0", 1);
    EXPECT_EQ(DesktopDisplayProblem(), nullptr);
    unsetenv("WAYLAND_DISPLAY");
    for (const Saved& s : saved)
        if (s.set) setenv(s.name, s.value.c_str(), 1);
}

} // namespace
