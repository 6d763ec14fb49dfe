#include "CMorvaneMainDialog.h"
#include "CMorvaneMainFrame.h"
#include "StApplicationId.h"
#include "UDialogTemplates.h"
#include "afx/CRect.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kMainTemplate = 29107;

class MainDialog : public CMorvaneMainDialog {
public:
    MainDialog() : CMorvaneMainDialog(kMainTemplate, nullptr)
    {
        UDialogTemplates::Register(kMainTemplate, [] { return UDialogTemplates::Make("Main", 150, 80, {}); });
    }
};

class MainWindows : public ::testing::Test {
protected:
    MvTestHome home;
    StApplicationId id{98102};
};

} // namespace

TEST_F(MainWindows, FrameIsCreatableByRunTimeClass)
{
    const CRuntimeClass* frameClass = RUNTIME_CLASS(CMorvaneMainFrame);
    EXPECT_EQ(RUNTIME_CLASS(CApplicationFrame), frameClass->m_pBaseClass);
    CObject* made = frameClass->CreateObject();
    ASSERT_NE(nullptr, made);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CTaskBarFrame)));
    delete made;
}

TEST_F(MainWindows, FrameDestroysItselfAfterTheInstallerStarted)
{
    auto* frame = new CMorvaneMainFrame;
    ASSERT_TRUE(frame->Create(nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150)));
    const HWND hwnd = frame->m_hWnd;
    // Not inside the broadcast: the window goes only when the posted message is handled.
    frame->GetUpdater().Broadcast(kUpdaterInstallMessage, &frame->GetUpdater(), nullptr);
    EXPECT_TRUE(::IsWindow(hwnd));
    MvPumpUntilIdle();
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(MainWindows, ModalDialogEndsWithOkAfterTheInstallerStarted)
{
    MainDialog dialog;
    bool shown = false;
    MvScriptModal([&](HWND) {
        shown = true;
        dialog.GetUpdater().Broadcast(kUpdaterInstallMessage, &dialog.GetUpdater(), nullptr);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(shown);
}
