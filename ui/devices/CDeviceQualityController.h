#pragma once
// Edits a device's encoding quality and its video and audio bitrate ceilings; the ceilings
// offered go no higher than the chosen presets allow.
#include "CObjectController2.h"
#include "afx/CString.h"

class CEntryCombo;
class CPortableMediaConversion;
class CSliderCtrl;
class CStatic;
class CTargetDevice;

class CDeviceQualityController : public CObjectController2 {
public:
    CDeviceQualityController();
    ~CDeviceQualityController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetObjectSelf(CPersistObject* object) override;
    void Refresh() override;
    char* GetText() override;

    virtual void SetDevice(CTargetDevice* device);
    virtual void PopulateVideoBitrateCombo();
    virtual void PopulateAudioBitrateCombo();
    virtual void ReflectQuality();
    virtual void ReflectVideoBitrate();
    virtual void ReflectAudioBitrate();
    virtual void EnterQuality();
    virtual void EnterVideoBitrate();
    virtual void EnterVideoBitrateByEdit();
    virtual void EnterAudioBitrate();
    virtual void EnterAudioBitrateByEdit();

    void SetControls(CSliderCtrl* quality, CEntryCombo* videoBitrate, CEntryCombo* audioBitrate);
    void SetStatics(CStatic* qualityText) { m_qualityText = qualityText; }
    // Offers the bitrate unless it is above the maximum.
    static void AddBitrateChoice(CEntryCombo* combo, unsigned long bitrate, unsigned long maximum);
    static CString GetBitrateText(unsigned long bitrate);
    static unsigned long GetBitrate(const char* text);

    CPortableMediaConversion* GetConversion() const;
    CTargetDevice* GetDevice() const { return m_device; }

private:
    void PopulateBitrates(CEntryCombo* combo, const CString& preset, long mediaType, const unsigned long* choices,
                          int count);
    void ReflectBitrate(CEntryCombo* combo, unsigned long bitrate);
    // The selected choice's bitrate; false without a selection.
    bool SelectedBitrate(CEntryCombo* combo, unsigned long& bitrate);
    unsigned long EditedBitrate(CEntryCombo* combo);

    CTargetDevice* m_device = nullptr;
    CSliderCtrl* m_quality = nullptr;
    CStatic* m_qualityText = nullptr;
    CEntryCombo* m_videoBitrate = nullptr;
    CEntryCombo* m_audioBitrate = nullptr;
};
