#pragma once
// The export settings of one QuickTime output file type, found by their labels exactly
// or with the labels relaxed step by step.
#include "CPersistList.h"
#include "MvMediaProperty.h"

class CQtExportSettings;

class CQuickTimeExportTypePersist : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CQuickTimeExportTypePersist)
public:
    CQuickTimeExportTypePersist();
    CQuickTimeExportTypePersist(const CQuickTimeExportTypePersist&) = default;
    CQuickTimeExportTypePersist& operator=(const CQuickTimeExportTypePersist&) = default;
    ~CQuickTimeExportTypePersist() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(SplitterType, LONG, LONG)
    LONG GetSplitterType() const { return m_splitterType; }

    void AddExportSetting(CQtExportSettings* setting);
    void RemoveExportSetting(CQtExportSettings* setting);
    int GetExportSettingCount() const { return m_settings.GetItemCount(); }
    CQtExportSettings* GetExportSetting(int index) const;

    // The first setting of that TV type whose names match (an empty name matches any)
    // and, when an audio name is asked, whose audio format matches as far as given.
    CQtExportSettings* Find(LONG tv, const char* video, const char* audio, ULONG rate, unsigned short channels,
                            unsigned short bits, ULONG bitrate) const;
    CQtExportSettings* Find(LONG tv, const char* video, const char* audio, ULONG rate, unsigned short channels,
                            unsigned short bits) const;
    CQtExportSettings* Find(LONG tv, const char* video, const char* audio, ULONG rate, unsigned short channels) const;
    CQtExportSettings* Find(LONG tv, const char* video, const char* audio, ULONG rate) const;
    CQtExportSettings* Find(LONG tv, const char* video, const char* audio) const;
    // The exact setting, else with any video codec, else without the bit rate, the bits,
    // the channels and the sample rate in turn.
    CQtExportSettings* RoughFind(LONG tv, const char* video, const char* audio, ULONG rate, unsigned short channels,
                                 unsigned short bits, ULONG bitrate) const;

    static constexpr LONG kType = FourCharCode("qxtp");
    static constexpr LONG kSplitterTypeChangedNotice = FourCharCode("qxtp");

private:
    // The audio criteria in use: 0 (none) to 4 (rate, channels, bits and bit rate).
    CQtExportSettings* FindFirst(LONG tv, const char* video, const char* audio, int criteria, ULONG rate,
                                 unsigned short channels, unsigned short bits, ULONG bitrate) const;

    LONG m_splitterType = 0;
    CPersistList m_settings{true};
};
