#include "CTargetConversionController.h"

#include "CEntryField.h"
#include "CObjectPanel.h"
#include "CTargetConversion.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UFieldValues.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"

#include <initializer_list>
#include <limits>

namespace {
// The media combo's entries, in order.
const EMediaType kMediaOfEntry[] = {kMediaTypeVideo, kMediaTypeAudio};
} // namespace

CTargetConversionController::CTargetConversionController()
{
    mExpectedType = FourCharCode("targ");
}

CTargetConversionController::~CTargetConversionController()
{
    SetControls(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr);
}

CTargetConversion* CTargetConversionController::GetTargetConversion() const
{
    return static_cast<CTargetConversion*>(GetObjectA());
}

void CTargetConversionController::SetControls(CEntryField* platform, CEntryField* name, CEntryField* notes,
                                              CEntryField* directory, CComboBox* media, CEntryField* maxPixels,
                                              CEntryField* minPixels, CEntryField* horizontalAlignment,
                                              CEntryField* verticalAlignment, CEntryField* maxBitrate,
                                              CButton* discreteResolution, CButton* discreteFrameRate,
                                              CButton* autoRotation, CButton* discreteAudio)
{
    RetargetListenedReference(*this, m_platform, platform);
    RetargetListenedReference(*this, m_name, name);
    RetargetListenedReference(*this, m_notes, notes);
    RetargetListenedReference(*this, m_directory, directory);
    m_media = media;
    RetargetListenedReference(*this, m_maxPixels, maxPixels);
    RetargetListenedReference(*this, m_minPixels, minPixels);
    RetargetListenedReference(*this, m_horizontalAlignment, horizontalAlignment);
    RetargetListenedReference(*this, m_verticalAlignment, verticalAlignment);
    RetargetListenedReference(*this, m_maxBitrate, maxBitrate);
    m_discreteResolution = discreteResolution;
    m_discreteFrameRate = discreteFrameRate;
    m_autoRotation = autoRotation;
    m_discreteAudio = discreteAudio;
}

void CTargetConversionController::SetPanels(CObjectPanel* videoType, CObjectPanel* audioType, CObjectPanel* tv,
                                            CObjectPanel* wm, CObjectPanel* real, CObjectPanel* maxVideo,
                                            CObjectPanel* maxMode, CObjectPanel* maxQuality, CObjectPanel* maxBitrate,
                                            CObjectPanel* maxQualityBitrate, CObjectPanel* videoComplexity,
                                            CObjectPanel* frameRate, CObjectPanel* maxAudio,
                                            CObjectPanel* audioComplexity, CObjectPanel* minVideo,
                                            CObjectPanel* minMode, CObjectPanel* minQuality, CObjectPanel* minBitrate,
                                            CObjectPanel* minQualityBitrate, CObjectPanel* minAudio)
{
    CObjectPanel* const panels[kPageCount] = {videoType,  audioType,         tv,         wm,         real,
                                              maxVideo,   maxMode,           maxQuality, maxBitrate, maxQualityBitrate,
                                              videoComplexity, frameRate,    maxAudio,   audioComplexity, minVideo,
                                              minMode,    minQuality,        minBitrate, minQualityBitrate, minAudio};
    for (int i = 0; i < kPageCount; ++i) m_panels[i] = panels[i];
}

void CTargetConversionController::Bind(EPage page, CPersistObject* object)
{
    if (m_panels[page]) m_panels[page]->SetObject(object);
}

void CTargetConversionController::Enable(EPage page)
{
    UWindowsUtils::EnablePanel(m_panels[page], true);
}

void CTargetConversionController::SetupPanels()
{
    ResetPanels();
    CTargetConversion* target = GetTargetConversion();
    if (!target) return;
    if (target->GetMediaType() == kMediaTypeVideo)
        SetupVideoPanels();
    else if (target->GetMediaType() == kMediaTypeAudio)
        SetupAudioPanels();
}

void CTargetConversionController::ResetPanels()
{
    for (int i = 0; i < kPageCount; ++i) Bind(EPage(i), nullptr);
    for (CObjectPanel* page : m_panels) UWindowsUtils::EnablePanel(page, false);
}

void CTargetConversionController::SetupVideoPanels()
{
    CTargetConversion* target = GetTargetConversion();
    if (!target) return;
    // The video type page enables its own dependents, the video settings pages theirs.
    Enable(kVideoTypePage);
    Enable(kMinVideoPage);
    Enable(kMinAudioPage);
    for (EPage page : {kVideoTypePage, kTvPage, kWmPage, kRealPage, kMaxVideoPage, kMaxModePage, kMaxQualityPage,
                       kMaxBitratePage, kMaxQualityBitratePage})
        Bind(page, target);
    Bind(kVideoComplexityPage, target->GetVideoOutput(0));
    Bind(kFrameRatePage, target->GetVideoOutput(0));
    for (EPage page : {kMinVideoPage, kMinModePage, kMinQualityPage, kMinBitratePage, kMinQualityBitratePage,
                       kMaxAudioPage})
        Bind(page, target);
    Bind(kAudioComplexityPage, target->GetAudioOutput(0));
    Bind(kMinAudioPage, target);
}

void CTargetConversionController::SetupAudioPanels()
{
    CTargetConversion* target = GetTargetConversion();
    if (!target) return;
    Enable(kAudioTypePage);
    Enable(kMinAudioPage);
    for (EPage page : {kAudioTypePage, kWmPage, kRealPage, kMaxAudioPage}) Bind(page, target);
    Bind(kAudioComplexityPage, target->GetAudioOutput(0));
    Bind(kMinAudioPage, target);
}

void CTargetConversionController::PopulateMedia()
{
    if (!m_media) return;
    UComboChoices::Clear(m_media);
    UComboChoices::Add(m_media, "Video");
    UComboChoices::Add(m_media, "Audio");
}

void CTargetConversionController::ReflectPlatform()
{
    if (GetTargetConversion()) UWindowsUtils::SetWindowTextA(m_platform, GetTargetConversion()->GetPlatform());
}

void CTargetConversionController::ReflectName()
{
    if (GetTargetConversion()) UWindowsUtils::SetWindowTextA(m_name, GetTargetConversion()->GetName());
}

void CTargetConversionController::ReflectNotes()
{
    if (GetTargetConversion()) UWindowsUtils::SetWindowTextA(m_notes, GetTargetConversion()->GetNotes());
}

void CTargetConversionController::ReflectDirectory()
{
    if (GetTargetConversion()) UWindowsUtils::SetWindowTextA(m_directory, GetTargetConversion()->GetDirectory());
}

void CTargetConversionController::ReflectMedia()
{
    if (!m_media) return;
    if (CTargetConversion* target = GetTargetConversion()) {
        for (int entry = 0; entry < 2; ++entry)
            if (target->GetMediaType() == kMediaOfEntry[entry]) m_media->SetCurSel(entry);
    }
    SetupPanels();
}

void CTargetConversionController::ReflectMaxVideoPixels()
{
    if (GetTargetConversion()) UFieldValues::SetNumber(m_maxPixels, GetTargetConversion()->GetMaxVideoPixels());
}

void CTargetConversionController::ReflectMinVideoPixels()
{
    if (GetTargetConversion()) UFieldValues::SetNumber(m_minPixels, GetTargetConversion()->GetMinVideoPixels());
}

void CTargetConversionController::ReflectHorizontalAlignment()
{
    if (GetTargetConversion())
        UFieldValues::SetNumber(m_horizontalAlignment, GetTargetConversion()->GetHorizontalAlignment());
}

void CTargetConversionController::ReflectVerticalAlignment()
{
    if (GetTargetConversion())
        UFieldValues::SetNumber(m_verticalAlignment, GetTargetConversion()->GetVerticalAlignment());
}

void CTargetConversionController::ReflectMaxBitrate()
{
    if (GetTargetConversion()) UFieldValues::SetNumber(m_maxBitrate, GetTargetConversion()->GetMaxBitrate());
}

void CTargetConversionController::ReflectDiscreteVideo()
{
    if (GetTargetConversion()) UWindowsUtils::SetCheck(m_discreteResolution, GetTargetConversion()->GetDiscreteVideo());
}

void CTargetConversionController::ReflectDiscreteFrameRate()
{
    if (GetTargetConversion())
        UWindowsUtils::SetCheck(m_discreteFrameRate, GetTargetConversion()->GetDiscreteFrameRate());
}

void CTargetConversionController::ReflectAutoRotation()
{
    if (GetTargetConversion()) UWindowsUtils::SetCheck(m_autoRotation, GetTargetConversion()->GetAutoRotation());
}

void CTargetConversionController::ReflectDiscreteAudio()
{
    if (GetTargetConversion()) UWindowsUtils::SetCheck(m_discreteAudio, GetTargetConversion()->GetDiscreteAudio());
}

void CTargetConversionController::EnterText(CEntryField* field, bool (CTargetConversion::*set)(const char*),
                                            Reflect reflect)
{
    CTargetConversion* target = GetTargetConversion();
    if (!target || !field) return;
    if (!(target->*set)(UFieldValues::GetText(field))) (this->*reflect)();
}

template <class V>
void CTargetConversionController::EnterNumber(CEntryField* field, bool (CTargetConversion::*set)(V), Reflect reflect)
{
    CTargetConversion* target = GetTargetConversion();
    if (!target || !field) return;
    const ULONG number = UFieldValues::GetNumber(field, std::numeric_limits<V>::max());
    if (!(target->*set)(static_cast<V>(number))) (this->*reflect)();
}

void CTargetConversionController::EnterFlag(CButton* check, bool (CTargetConversion::*set)(bool), Reflect reflect)
{
    CTargetConversion* target = GetTargetConversion();
    if (!target || !check) return;
    if (!(target->*set)(UWindowsUtils::GetCheck(check))) (this->*reflect)();
}

void CTargetConversionController::EnterPlatform()
{
    EnterText(m_platform, &CTargetConversion::SetPlatform, &CTargetConversionController::ReflectPlatform);
}

void CTargetConversionController::EnterName()
{
    EnterText(m_name, &CTargetConversion::SetName, &CTargetConversionController::ReflectName);
}

void CTargetConversionController::EnterNotes()
{
    EnterText(m_notes, &CTargetConversion::SetNotes, &CTargetConversionController::ReflectNotes);
}

void CTargetConversionController::EnterDirectory()
{
    EnterText(m_directory, &CTargetConversion::SetDirectory, &CTargetConversionController::ReflectDirectory);
}

void CTargetConversionController::EnterMedia()
{
    CTargetConversion* target = GetTargetConversion();
    if (!target || !m_media) return;
    const int entry = m_media->GetCurSel();
    if (entry < 0 || entry > 1 || !target->SetMediaType(kMediaOfEntry[entry])) ReflectMedia();
}

void CTargetConversionController::EnterMaxVideoPixels()
{
    EnterNumber(m_maxPixels, &CTargetConversion::SetMaxVideoPixels, &CTargetConversionController::ReflectMaxVideoPixels);
}

void CTargetConversionController::EnterMinVideoPixels()
{
    EnterNumber(m_minPixels, &CTargetConversion::SetMinVideoPixels, &CTargetConversionController::ReflectMinVideoPixels);
}

void CTargetConversionController::EnterHorizontalAlignment()
{
    EnterNumber(m_horizontalAlignment, &CTargetConversion::SetHorizontalAlignment,
                &CTargetConversionController::ReflectHorizontalAlignment);
}

void CTargetConversionController::EnterVerticalAlignment()
{
    EnterNumber(m_verticalAlignment, &CTargetConversion::SetVerticalAlignment,
                &CTargetConversionController::ReflectVerticalAlignment);
}

void CTargetConversionController::EnterMaxBitrate()
{
    EnterNumber(m_maxBitrate, &CTargetConversion::SetMaxBitrate, &CTargetConversionController::ReflectMaxBitrate);
}

void CTargetConversionController::EnterDiscreteVideo()
{
    EnterFlag(m_discreteResolution, &CTargetConversion::SetDiscreteVideo,
              &CTargetConversionController::ReflectDiscreteVideo);
}

void CTargetConversionController::EnterDiscreteFrameRate()
{
    EnterFlag(m_discreteFrameRate, &CTargetConversion::SetDiscreteFrameRate,
              &CTargetConversionController::ReflectDiscreteFrameRate);
}

void CTargetConversionController::EnterAutoRotation()
{
    EnterFlag(m_autoRotation, &CTargetConversion::SetAutoRotation, &CTargetConversionController::ReflectAutoRotation);
}

void CTargetConversionController::EnterDiscreteAudio()
{
    EnterFlag(m_discreteAudio, &CTargetConversion::SetDiscreteAudio,
              &CTargetConversionController::ReflectDiscreteAudio);
}

void CTargetConversionController::Refresh()
{
    PopulateMedia();
    ReflectPlatform();
    ReflectName();
    ReflectNotes();
    ReflectDirectory();
    ReflectMedia();
    ReflectMaxVideoPixels();
    ReflectMinVideoPixels();
    ReflectHorizontalAlignment();
    ReflectVerticalAlignment();
    ReflectMaxBitrate();
    ReflectDiscreteVideo();
    ReflectDiscreteFrameRate();
    ReflectAutoRotation();
    ReflectDiscreteAudio();
}

char* CTargetConversionController::GetText()
{
    CTargetConversion* target = GetTargetConversion();
    if (!target) return UStringBuffer::Text("");
    return UStringBuffer::Text(target->GetPlatform() + ", " + target->GetName());
}

bool CTargetConversionController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CTargetConversion::kPlatformChangedNotice: ReflectPlatform(); return true;
    case CTargetConversion::kNameChangedNotice: ReflectName(); return true;
    case CTargetConversion::kNotesChangedNotice: ReflectNotes(); return true;
    case CTargetConversion::kDirectoryChangedNotice: ReflectDirectory(); return true;
    case CTargetConversion::kMediaTypeChangedNotice: ReflectMedia(); return true;
    case CTargetConversion::kMaxVideoPixelsChangedNotice: ReflectMaxVideoPixels(); return true;
    case CTargetConversion::kMinVideoPixelsChangedNotice: ReflectMinVideoPixels(); return true;
    case CTargetConversion::kHorizontalAlignmentChangedNotice: ReflectHorizontalAlignment(); return true;
    case CTargetConversion::kVerticalAlignmentChangedNotice: ReflectVerticalAlignment(); return true;
    case CTargetConversion::kMaxBitrateChangedNotice: ReflectMaxBitrate(); return true;
    case CTargetConversion::kDiscreteVideoChangedNotice: ReflectDiscreteVideo(); return true;
    case CTargetConversion::kDiscreteFrameRateChangedNotice: ReflectDiscreteFrameRate(); return true;
    case CTargetConversion::kDiscreteAudioChangedNotice: ReflectDiscreteAudio(); return true;
    case CTargetConversion::kAutoRotationChangedNotice: ReflectAutoRotation(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CTargetConversionController::ListenToMessage(long message, const void* p, const void* q)
{
    // One table serves both the commit dispatch and forgetting a dying field.
    using Enter = void (CTargetConversionController::*)();
    const struct {
        CEntryField** field;
        Enter enter;
    } fields[] = {
        {&m_platform, &CTargetConversionController::EnterPlatform},
        {&m_name, &CTargetConversionController::EnterName},
        {&m_notes, &CTargetConversionController::EnterNotes},
        {&m_directory, &CTargetConversionController::EnterDirectory},
        {&m_maxPixels, &CTargetConversionController::EnterMaxVideoPixels},
        {&m_minPixels, &CTargetConversionController::EnterMinVideoPixels},
        {&m_horizontalAlignment, &CTargetConversionController::EnterHorizontalAlignment},
        {&m_verticalAlignment, &CTargetConversionController::EnterVerticalAlignment},
        {&m_maxBitrate, &CTargetConversionController::EnterMaxBitrate},
    };
    for (const auto& entry : fields) {
        CEntryField*& field = *entry.field;
        if (message == kEntryFieldCommittedMessage && field && p == field->Identity()) {
            (this->*entry.enter)();
            return true;
        }
        if (message == kBroadcasterDyingMessage) ForgetDyingReference(field, p);
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
