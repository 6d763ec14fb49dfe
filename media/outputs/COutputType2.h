#pragma once
// The container type a job writes, by the output type id the engine's tables share.
#include "CPersistObject.h"
#include "EMediaOutput.h"
#include "MvMediaProperty.h"

class COutputType2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(COutputType2)
public:
    // Key "type": every output type id with its name.
    bool GetEnumText(const char* field, CEnumMap& map) override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(SplitterType, ESplitterType, ESplitterType)
    virtual bool UseVbrExtension();

    ESplitterType GetSplitterType() const { return m_splitterType; }

    static constexpr LONG kSplitterTypeChangedNotice = FourCharCode("out2");

private:
    ESplitterType m_splitterType = 0;
};
