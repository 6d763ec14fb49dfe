#pragma once
// Drops the samples whose times run backwards.
// Its filter counts as created only when it offers its settings interface.
#include "CTransformerFilter.h"

struct ITimeDropperSettings;

class CTimeDropperFilter : public CTransformerFilter {
public:
    explicit CTimeDropperFilter(CDirectShowGraph* graph = nullptr, const char* name = "Time Dropper");
    ~CTimeDropperFilter() override;

    bool Create() override;
    void Release() override;
    // Held from creation to release, for the chains.
    ITimeDropperSettings* GetSettings() const { return m_settings; }

private:
    ITimeDropperSettings* m_settings = nullptr;
};
