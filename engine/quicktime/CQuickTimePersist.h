#pragma once
// The settings last accepted in QuickTime's compression dialog, per video compressor
// format code. The first store made is the process-wide one.
#include "CPersistObject.h"
#include "CTaggedCollection.h"

class CQuickTimePersist : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CQuickTimePersist)
public:
    CQuickTimePersist();
    CQuickTimePersist(const CQuickTimePersist& other);
    CQuickTimePersist& operator=(const CQuickTimePersist&) = default;
    ~CQuickTimePersist() override;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CTaggedCollection& GetVideoData() { return m_video; }

    static constexpr LONG kType = FourCharCode("qtps");
    static CQuickTimePersist* sData;

private:
    CTaggedCollection m_video;
};
