#pragma once
// The QuickTime export settings of every output file type. The first store made is the
// process-wide one.
#include "CPersistList.h"

class CQtExportSettings;
class CQuickTimeExportTypePersist;

class CQuickTimeExportPersist : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CQuickTimeExportPersist)
public:
    CQuickTimeExportPersist();
    CQuickTimeExportPersist(const CQuickTimeExportPersist& other);
    CQuickTimeExportPersist& operator=(const CQuickTimeExportPersist&) = default;
    ~CQuickTimeExportPersist() override;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    int GetTypeCount() const { return m_types.GetItemCount(); }
    CQuickTimeExportTypePersist* GetType(int index) const;
    CQuickTimeExportTypePersist* Find(LONG type) const;
    // The type's record, appended empty when missing; never null.
    CQuickTimeExportTypePersist* Add(LONG type);
    CQtExportSettings* Find(LONG type, LONG tv, const char* video, const char* audio, ULONG rate,
                            unsigned short channels, unsigned short bits, ULONG bitrate);
    CQtExportSettings* RoughFind(LONG type, LONG tv, const char* video, const char* audio, ULONG rate,
                                 unsigned short channels, unsigned short bits, ULONG bitrate);

    static constexpr LONG kType = FourCharCode("qxep");
    static CQuickTimeExportPersist* sData;

private:
    CPersistList m_types{true};
};
