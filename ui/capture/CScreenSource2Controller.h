#pragma once
// Edits what part of the screen a screen source records: the whole screen, a region, a
// window or the area around the pointer, with the frame rate and the pointer shown or not.
#include "CObjectController2.h"
#include "CScreenSource2.h"
#include "afx/CString.h"

class CButton;
class CComboBox;
class CEntryCombo;
class CEntryField;
class CStatic;
class CWindowPicker;

class CScreenSource2Controller : public CObjectController2 {
public:
    CScreenSource2Controller();

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CComboBox* capture, CEntryField* x, CEntryField* y, CEntryField* width, CEntryField* height,
                     CEntryCombo* frameRate, CButton* pick, CWindowPicker* picker, CStatic* window,
                     CButton* captureCursor);
    void SetStatics(CStatic* xLabel, CStatic* yLabel, CStatic* widthLabel, CStatic* heightLabel);

    static CString GetCaptureText(EScreenCaptureKind capture);
    static EScreenCaptureKind GetCapture(const char* text);
    static CString GetFrameRateText(double rate);
    // 0 for a text that is not a number.
    static double GetFrameRate(const char* text);

    void PopulateCaptureCombo();
    void PopulateFrameRateCombo();
    void ReflectCapture();
    void ReflectX();
    void ReflectY();
    void ReflectWidth();
    void ReflectHeight();
    void ReflectFrameRate();
    void ReflectWindow();
    void ReflectCaptureCursor();
    void EnterCapture();
    void EnterX();
    void EnterY();
    void EnterWidth();
    void EnterHeight();
    void EnterFrameRate();
    void EnterFrameRateByEditing();
    void EnterCaptureCursor();

    CScreenSource2* GetScreenSource() const;

    static constexpr EScreenCaptureKind kScreen = 0;
    static constexpr EScreenCaptureKind kRegion = 100;
    static constexpr EScreenCaptureKind kWindow = 101;
    static constexpr EScreenCaptureKind kCursorArea = 102;

private:
    void EnterFrameRateText(const CString& text);
    void ForgetControl(const void* dying);

    CComboBox* m_capture = nullptr;
    CEntryField* m_x = nullptr;
    CEntryField* m_y = nullptr;
    CEntryField* m_width = nullptr;
    CEntryField* m_height = nullptr;
    CEntryCombo* m_frameRate = nullptr;
    CButton* m_pick = nullptr;
    CWindowPicker* m_picker = nullptr;
    CStatic* m_window = nullptr;
    CButton* m_captureCursor = nullptr;
    CStatic* m_xLabel = nullptr;
    CStatic* m_yLabel = nullptr;
    CStatic* m_widthLabel = nullptr;
    CStatic* m_heightLabel = nullptr;
};
