#include "desktop/DesktopPrompts.h"

#include "desktop/DesktopBackend.h"
#include "desktop/DesktopLoop.h"
#include "desktop/DesktopMenus.h"
#include "desktop/DesktopPeer.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/dialogs/Menu.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/Window.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace {

QWidget* OwnerWidget(HWND owner)
{
    if (!owner) return nullptr;
    DesktopPeer* peer = DesktopBackend::Instance().PeerOf(GetAncestor(owner, GA_ROOT));
    return peer ? peer->Widget() : nullptr;
}

int AskMessageBox(DesktopLoop& loop, const MvMessageBoxRequest& request)
{
    QMessageBox box(OwnerWidget(request.owner));
    box.setWindowTitle(QString::fromStdString(request.caption));
    box.setText(QString::fromStdString(request.text));
    switch (request.type & 0xF0) {
    case MB_ICONHAND: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONASTERISK: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct Choice {
        QMessageBox::StandardButton button;
        int answer;
    };
    std::vector<Choice> choices;
    switch (request.type & MB_TYPEMASK) {
    case MB_OKCANCEL: choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_ABORTRETRYIGNORE:
        choices = {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
        break;
    case MB_YESNOCANCEL: choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_YESNO: choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case MB_RETRYCANCEL: choices = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
    default: choices = {{QMessageBox::Ok, IDOK}}; break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice& c : choices) buttons |= c.button;
    box.setStandardButtons(buttons);
    size_t defaultIndex = static_cast<size_t>((request.type & MB_DEFMASK) >> 8);
    if (defaultIndex < choices.size()) box.setDefaultButton(choices[defaultIndex].button);
    // Escape answers as the window system's box does: Cancel when there is one, else the only button.
    int escape = -1;
    for (const Choice& c : choices)
        if (c.answer == IDCANCEL) escape = IDCANCEL;
    if (escape < 0 && choices.size() == 1) escape = choices[0].answer;
    for (const Choice& c : choices)
        if (c.answer == escape) box.setEscapeButton(c.button);
    loop.RunQtModal([&] { return box.exec(); });
    QAbstractButton* clicked = box.clickedButton();
    for (const Choice& c : choices)
        if (clicked && box.standardButton(clicked) == c.button) return c.answer;
    return escape >= 0 ? escape : MvDefaultMessageBoxAnswer(request.type);
}

QStringList NameFilters(const MvFileDialogRequest& request)
{
    QStringList filters;
    for (const auto& [description, pattern] : request.filters) {
        QString patterns = QString::fromStdString(pattern);
        patterns.replace(';', ' ');
        filters << QString::fromStdString(description) + " (" + patterns.simplified() + ")";
    }
    return filters;
}

MvFileDialogAnswer AskFile(DesktopLoop& loop, const MvFileDialogRequest& request)
{
    QFileDialog dialog(OwnerWidget(request.owner), QString::fromStdString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (request.save) {
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!(request.flags & OFN_OVERWRITEPROMPT)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setFileMode(request.flags & OFN_ALLOWMULTISELECT ? QFileDialog::ExistingFiles
                           : request.flags & OFN_FILEMUSTEXIST ? QFileDialog::ExistingFile
                                                               : QFileDialog::AnyFile);
    }
    QStringList filters = NameFilters(request);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        int index = request.filterIndex > 0 ? request.filterIndex - 1 : 0;
        if (index < filters.size()) dialog.selectNameFilter(filters[index]);
    }
    if (!request.initialDir.empty()) dialog.setDirectory(QString::fromStdString(request.initialDir));
    if (!request.initialName.empty()) dialog.selectFile(QString::fromStdString(request.initialName));
    MvFileDialogAnswer answer;
    if (loop.RunQtModal([&] { return dialog.exec(); }) != QDialog::Accepted) return answer;
    for (const QString& path : dialog.selectedFiles()) answer.paths.push_back(path.toStdString());
    answer.ok = !answer.paths.empty();
    int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    answer.filterIndex = chosen >= 0 ? chosen + 1 : 0;
    return answer;
}

MvFolderAnswer AskFolder(DesktopLoop& loop, const MvFolderRequest& request)
{
    QFileDialog dialog(OwnerWidget(request.owner), QString::fromStdString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!request.initialSelection.empty()) dialog.setDirectory(QString::fromStdString(request.initialSelection));
    MvFolderAnswer answer;
    if (loop.RunQtModal([&] { return dialog.exec(); }) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return answer;
    answer.ok = true;
    answer.path = dialog.selectedFiles().front().toStdString();
    return answer;
}

UINT AskPopup(DesktopLoop& loop, HMENU menu, HWND owner, POINT at)
{
    QMenu popup(OwnerWidget(owner));
    UINT choice = 0;
    DesktopFillMenu(&popup, menu, owner, [&choice](UINT id) { choice = id; });
    // The model's point is where the pointer was; Qt's pointer is the same place on screen.
    (void)at;
    loop.RunQtModal([&] { return popup.exec(QCursor::pos()); });
    return choice;
}

// Qt's dialogs live on the GUI thread: a worker's question is asked there, while the worker
// keeps handling its own messages (what the GUI sends it meanwhile, its timers) until the
// answer comes back, as it would inside a dialog of its own.
template <class Answer> Answer OnGuiThread(const std::function<Answer()>& ask)
{
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) return ask();
    struct Shared {
        std::atomic<bool> done{false};
        Answer answer{};
    };
    auto shared = std::make_shared<Shared>();
    const DWORD worker = MvCurrentThreadId();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [shared, &ask, worker] {
            shared->answer = ask();
            shared->done = true;
            PostThreadMessageA(worker, WM_NULL, 0, 0);   // wakes its wait
        },
        Qt::QueuedConnection);
    while (!shared->done) {
        MvProcessPending();
        if (!shared->done) WaitMessage();
    }
    return shared->answer;
}

} // namespace

void DesktopInstallPrompts(DesktopLoop& loop)
{
    DesktopLoop* l = &loop;
    MvSetMessageBoxHandler([l](const MvMessageBoxRequest& request) {
        return OnGuiThread<int>([&] { return AskMessageBox(*l, request); });
    });
    MvSetFileDialogHandler([l](const MvFileDialogRequest& request) {
        return OnGuiThread<MvFileDialogAnswer>([&] { return AskFile(*l, request); });
    });
    MvSetFolderHandler([l](const MvFolderRequest& request) {
        return OnGuiThread<MvFolderAnswer>([&] { return AskFolder(*l, request); });
    });
    MvSetPopupMenuHandler([l](HMENU menu, HWND owner, POINT at) {
        return OnGuiThread<UINT>([&] { return AskPopup(*l, menu, owner, at); });
    });
}

void DesktopRemovePrompts()
{
    MvSetMessageBoxHandler(nullptr);
    MvSetFileDialogHandler(nullptr);
    MvSetFolderHandler(nullptr);
    MvSetPopupMenuHandler(nullptr);
}
