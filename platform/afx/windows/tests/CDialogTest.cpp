#include "afx/windows/CDataExchange.h"
#include "afx/windows/CDialog.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"

#include <poll.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr UINT kTemplate = 7100;
constexpr UINT kChildTemplate = 7101;
constexpr int kName = 1000;

void RegisterTemplates()
{
    static bool once = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "MvTestField";
        RegisterClassA(&wc);
        MvDialogTemplate t;
        t.cx = 120;
        t.cy = 50;
        t.caption = "Name";
        t.items = {{"MvTestField", "", kName, WS_VISIBLE | WS_TABSTOP, 0, 4, 4, 100, 12},
                   {"MvTestField", "OK", IDOK, WS_VISIBLE | WS_TABSTOP, 0, 40, 30, 30, 12},
                   {"MvTestField", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 0, 80, 30, 30, 12}};
        MvRegisterDialog(kTemplate, t);
        MvDialogTemplate child = t;
        child.style = WS_CHILD | DS_CONTROL;
        MvRegisterDialog(kChildTemplate, child);
        return true;
    }();
    (void)once;
}

class CNameDialog : public CDialog {
public:
    explicit CNameDialog(UINT id = kTemplate) : CDialog(id) { RegisterTemplates(); }
    CString m_name = "initial";
    bool m_endAtInit = false;
    int m_inits = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++m_inits;
        if (m_endAtInit) EndDialog(IDABORT);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Text(dx, kName, m_name);
    }
};

// A page inside another window: Enter and Escape must not end it.
class CPage : public CNameDialog {
public:
    CPage() : CNameDialog(kChildTemplate) {}
    void OnOK() override {}
    void OnCancel() override {}
};

void Click(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKELONG(id, 0), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

TEST(CDialog, ModalExchangesDataAndEndsWithTheButton)
{
    CNameDialog dialog;
    MvScriptModal([](HWND h) {
        char text[32];
        GetDlgItemTextA(h, kName, text, sizeof text);
        EXPECT_STREQ(text, "initial") << "OnInitDialog filled the controls";
        SetDlgItemTextA(h, kName, "Anna");
        Click(h, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_name, "Anna");
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window is gone after DoModal";

    MvScriptModal([](HWND h) {
        SetDlgItemTextA(h, kName, "Bert");
        MSG esc{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
        PostMessageA(esc.hwnd, esc.message, esc.wParam, esc.lParam);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_name, "Anna") << "Cancel keeps the old value";
}

TEST(CDialog, EndingDuringInitialisationSkipsTheLoop)
{
    CNameDialog dialog;
    dialog.m_endAtInit = true;
    EXPECT_EQ(dialog.DoModal(), IDABORT);
    EXPECT_EQ(dialog.m_inits, 1);
    CDialog missing(9999);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST(CDialog, ModalDisablesItsOwnerAndNestedModalsWork)
{
    CNameDialog owner;
    ASSERT_TRUE(owner.Create(kTemplate));
    owner.ShowWindow(SW_SHOW);
    CNameDialog inner;
    inner.m_pParentWnd = &owner;
    int nested = 0;
    MvScriptModal([&](HWND h) {
        EXPECT_FALSE(owner.IsWindowEnabled());
        CNameDialog innermost;
        innermost.m_pParentWnd = CWnd::FromHandle(h);
        MvScriptModal([](HWND h2) { Click(h2, IDOK); });
        nested = static_cast<int>(innermost.DoModal());
        Click(h, IDCANCEL);
    });
    EXPECT_EQ(inner.DoModal(), IDCANCEL);
    EXPECT_EQ(nested, IDOK);
    EXPECT_TRUE(owner.IsWindowEnabled());
    owner.DestroyWindow();
}

TEST(CDialog, PanelPageIgnoresEnterAndEscapeAndLivesInItsHost)
{
    CNameDialog host;
    ASSERT_TRUE(host.Create(kTemplate));
    CPage page;
    ASSERT_TRUE(page.Create(kChildTemplate, nullptr)) << "a child template without parent";
    ::SetParent(page.m_hWnd, host.m_hWnd);
    page.ShowWindow(SW_SHOW);
    host.ShowWindow(SW_SHOW);
    EXPECT_EQ(page.GetParent(), &host);
    page.GetDlgItem(kName)->SetFocus();
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
            if (!AfxPreTranslateMessage(&m)) DispatchMessageA(&m);
    }
    SendMessageA(page.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(page.IsWindowVisible()) << "neither closed nor hidden";
    host.DestroyWindow();
    EXPECT_EQ(page.m_hWnd, nullptr) << "destroyed with its host";
}

// The hidden window a worker thread reports its end to.
class CThreadsWindow : public CWnd {
public:
    CDialog* m_dialog = nullptr;
    std::atomic<bool> m_onOwnThread{false};
    DWORD m_owner = MvCurrentThreadId();
protected:
    LRESULT OnFinish(WPARAM, LPARAM)
    {
        m_onOwnThread = MvCurrentThreadId() == m_owner;
        m_dialog->EndDialog(IDOK);
        return 2000001;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CThreadsWindow, CWnd)
    ON_MESSAGE(1226, OnFinish)
END_MESSAGE_MAP()

TEST(CDialog, ModalLoopHandlesWhatWorkerThreadsSend)
{
    CNameDialog progress;
    CThreadsWindow threads;
    ASSERT_TRUE(threads.CreateEx(0, nullptr, "Threads", WS_POPUP | WS_BORDER | WS_SYSMENU, CRect(0, 0, 20, 20), nullptr, 0));
    threads.m_dialog = &progress;
    std::atomic<LRESULT> answer{0};
    std::thread worker;
    MvScriptModal([&](HWND) {
        worker = std::thread([&] { answer = ::SendMessageA(threads.m_hWnd, 1226, 0, 0); });
    });
    EXPECT_EQ(progress.DoModal(), IDOK);
    worker.join();
    EXPECT_EQ(answer.load(), 2000001) << "the worker waited for the user-interface thread's answer";
    EXPECT_TRUE(threads.m_onOwnThread.load());
    threads.DestroyWindow();
}

TEST(CDialog, AModalLoopWaitsThroughTheDrivingToolkitsHook)
{
    std::atomic<int> waits{0};
    MvSetWaitHook([&](int fd, int timeoutMs) {
        ++waits;   // a toolkit would handle its own events here
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, timeoutMs < 0 ? 1000 : timeoutMs);
    });
    CNameDialog dialog;
    std::thread user;
    MvScriptModal([&](HWND h) {
        user = std::thread([h, &waits] {
            // The user answers once the loop sits idle in the hook.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            while (waits.load() == 0 && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        });
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    user.join();
    MvSetWaitHook(nullptr);
    EXPECT_GT(waits.load(), 0);
}

} // namespace
