#pragma once
// Edits one slide of a slide show: its image's path, its aspect ratio and its seconds.
#include "CObjectController2.h"
#include "afx/CString.h"

class CAspectRatioInfo2;
class CComboBox;
class CEntryCombo;
class CEntryField;
class CSlideInfo2;
class CStatic;

class CSlideInfo2Controller : public CObjectController2 {
public:
    CSlideInfo2Controller();
    ~CSlideInfo2Controller() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    // Follows the bound slide's aspect ratio as well as the slide.
    void SetObjectSelf(CPersistObject* object) override;
    void Refresh() override;

    void SetControls(CStatic* filePath, CEntryCombo* aspectRatio, CEntryField* duration);
    // Kept for the page's layout; no operation here uses them.
    void SetStatics(CStatic* first, CStatic* second);

    void PopulateAspectRatioCombo();
    static CString GetAspectRatioText(double ratio);
    static double GetAspectRatio(CComboBox* combo);
    static double GetAspectRatioByEditing(CComboBox* combo);

    void ReflectFilePath();
    void ReflectAspectRatio();
    void ReflectDuration();
    void EnterAspectRatio();
    void EnterAspectRatioByEditing();
    void EnterDuration();

    CSlideInfo2* GetSlide() const;

private:
    CStatic* m_filePath = nullptr;
    CEntryCombo* m_aspectRatio = nullptr;
    CEntryField* m_duration = nullptr;
    CStatic* m_firstStatic = nullptr;
    CStatic* m_secondStatic = nullptr;
    CAspectRatioInfo2* m_ratio = nullptr;
};
