#pragma once
// One kept part of a media file; a linked slice runs on into the next without a gap.
#include "CDuration.h"
#include "MvMediaProperty.h"

class CSliceDuration2 : public CDuration {
    MV_DECLARE_PERSIST_CLASS(CSliceDuration2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(LinkNext, bool, bool)

    bool GetLinkNext() const { return m_linkNext; }

    static constexpr LONG kLinkNextChangedNotice = FourCharCode("sldv");

private:
    bool m_linkNext = true;
};
