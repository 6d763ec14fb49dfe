#pragma once
// Edits whether a thumbnail is captured from each converted file, where, in which format and
// at which size.
#include "CObjectController2.h"

class CButton;
class CComboBox;
class CEntryField;
class CSnapshotOutput;
class CStatic;

class CSnapshotOutputController : public CObjectController2 {
public:
    CSnapshotOutputController();
    ~CSnapshotOutputController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CButton* saveThumbnails, CComboBox* format, CEntryField* position, CButton* resize,
                     CEntryField* width, CEntryField* height);
    void SetStatics(CStatic* formatLabel, CStatic* positionLabel, CStatic* percentLabel, CStatic* widthLabel,
                    CStatic* heightLabel);
    void PopulateImageTypeCombo();
    void ReflectFrameCapture();
    void ReflectImageType();
    void ReflectPosition();
    void ReflectResize();
    void ReflectWidth();
    void ReflectHeight();
    void EnterFrameCapture();
    void EnterImageType();
    void EnterPosition();
    void EnterResize();
    void EnterWidth();
    void EnterHeight();
    bool ShowCaptureOptions() const;
    bool ShowSizingOptions() const;

private:
    CSnapshotOutput* GetSnapshotOutput() const;
    void ShowSizing();

    CButton* m_saveThumbnails = nullptr;
    CComboBox* m_format = nullptr;
    CEntryField* m_position = nullptr;
    CButton* m_resize = nullptr;
    CEntryField* m_width = nullptr;
    CEntryField* m_height = nullptr;
    CStatic* m_formatLabel = nullptr;
    CStatic* m_positionLabel = nullptr;
    CStatic* m_percentLabel = nullptr;
    CStatic* m_widthLabel = nullptr;
    CStatic* m_heightLabel = nullptr;
};
