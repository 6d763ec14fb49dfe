#pragma once
// An output list bound to one input file.
#include "CMediaFile2.h"
#include "CMediaOutputList.h"

class CMediaConversionOutputs : public CMediaOutputList {
    MV_DECLARE_PERSIST_CLASS(CMediaConversionOutputs)
public:
    CMediaConversionOutputs() = default;
    CMediaConversionOutputs(const CMediaConversionOutputs& other) = default;
    CMediaConversionOutputs& operator=(const CMediaConversionOutputs& other) = default;
    // Takes the outputs only; the input stays.
    CMediaConversionOutputs& operator=(const CMediaOutputList& other);
    ~CMediaConversionOutputs() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CMediaFile2& GetInput() { return m_input; }

private:
    CMediaFile2 m_input;
};
