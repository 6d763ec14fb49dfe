#pragma once
// Edits a screen recorder: what part of the screen (through an embedded screen source
// controller) and whether sound is recorded.
#include "CScreenSource2Controller.h"

class CPanel;
class CScreenRecorder2;

class CScreenRecorder2Controller : public CObjectController2 {
public:
    CScreenRecorder2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    bool ListenToMessage(long message, const void* p, const void* q) override;
    void SetObjectSelf(CPersistObject* object) override;
    void Refresh() override;
    char* GetText() override;

    virtual void SetScreenSource(CScreenSource2* source);

    void SetControls(CComboBox* capture, CEntryField* x, CEntryField* y, CEntryField* width, CEntryField* height,
                     CEntryCombo* frameRate, CButton* pick, CWindowPicker* picker, CStatic* window,
                     CButton* captureCursor, CButton* captureAudio);
    void SetStatics(CStatic* xLabel, CStatic* yLabel, CStatic* widthLabel, CStatic* heightLabel);
    // The sound page, enabled only while sound is recorded.
    void SetPanels(CPanel* audioPage);

    void ReflectCaptureAudio();
    void EnterCaptureAudio();
    void EnterCapture();
    void EnterFrameRate();
    void EnterCaptureCursor();

    CScreenRecorder2* GetRecorder() const;
    CScreenSource2* GetScreenSource() const { return m_screenSource; }
    CScreenSource2Controller& GetSourceController() { return m_source; }

private:
    CScreenSource2Controller m_source;
    CScreenSource2* m_screenSource = nullptr;
    CButton* m_captureAudio = nullptr;
    CPanel* m_audioPage = nullptr;
};
