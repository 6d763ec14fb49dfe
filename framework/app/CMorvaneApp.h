#pragma once
// The application class every program of the family derives from: common start-up
// and exit, the Edit commands for the focused edit control, help, about and web pages.
#include "CListener.h"
#include "CTracer.h"
#include "StApplicationId.h"
#include "afx/windows/CWinApp.h"

class CCmdUI;
class CDebugLogger;

class CMorvaneApp : public CWinApp, public CListener {
public:
    CMorvaneApp();
    ~CMorvaneApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    void About();
    void Web();
    void TryApplication(unsigned long id);

    CDebugLogger* GetDebugLogger() const { return m_logger; }
    void SetSplashBitmap(unsigned id) { m_splashBitmap = id; }

protected:
    void OnAppAbout();
    void OnUpdateEditUndo(CCmdUI* ui);
    void OnEditUndo();
    void OnUpdateEditRedo(CCmdUI* ui);
    void OnEditRedo();
    void OnUpdateEditCut(CCmdUI* ui);
    void OnEditCut();
    void OnUpdateEditCopy(CCmdUI* ui);
    void OnEditCopy();
    void OnUpdateEditPaste(CCmdUI* ui);
    void OnEditPaste();
    void OnUpdateEditClear(CCmdUI* ui);
    void OnEditClear();
    void OnUpdateEditSelectAll(CCmdUI* ui);
    void OnEditSelectAll();
    void OnHelpFinder();

    DECLARE_MESSAGE_MAP()

    StApplicationId m_applicationId;
    CTracer m_tracer;
    CDebugLogger* m_logger = nullptr;
    unsigned m_splashBitmap = 0;

private:
    CString m_shortName;
};
