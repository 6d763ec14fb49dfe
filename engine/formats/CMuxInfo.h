#pragma once
// Whether a codec may be used for one output file type.
#include "CFormatType.h"
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CMuxInfo : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CMuxInfo)
public:
    CMuxInfo() = default;
    CMuxInfo(const CMuxInfo&) = default;
    CMuxInfo& operator=(const CMuxInfo&) = default;
    ~CMuxInfo() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(SplitterType, ESplitterType, ESplitterType)
    MV_DECLARE_PROPERTY(Supported, bool, bool)
    ESplitterType GetSplitterType() const { return m_splitterType; }
    bool GetSupported() const { return m_supported; }

    static constexpr LONG kType = FourCharCode("muxi");
    static constexpr LONG kSplitterTypeChangedNotice = FourCharCode("muxi");
    static constexpr LONG kSupportedChangedNotice = FourCharCode("muxj");

private:
    ESplitterType m_splitterType = 0;
    bool m_supported = false;
};
