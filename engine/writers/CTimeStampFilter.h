#pragma once
// Draws the recording time into the frames.
// Its filter counts as created only when it offers its settings interface.
#include "CTransformerFilter.h"

struct ITimeStampSettings;

class CTimeStampFilter : public CTransformerFilter {
public:
    explicit CTimeStampFilter(CDirectShowGraph* graph = nullptr, const char* name = "Time Stamp");
    ~CTimeStampFilter() override;

    bool Create() override;
    void Release() override;
    // Held from creation to release, for the chains.
    ITimeStampSettings* GetSettings() const { return m_settings; }

private:
    ITimeStampSettings* m_settings = nullptr;
};
