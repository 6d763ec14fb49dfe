#pragma once
// Passes samples on; with the pass-through flag it leaves their times as they are.
// Its filter counts as created only when it offers its settings interface.
#include "CTransformerFilter.h"

struct ITimeNilSettings;

class CTimeNilFilter : public CTransformerFilter {
public:
    explicit CTimeNilFilter(CDirectShowGraph* graph = nullptr, const char* name = "Time Nil");
    ~CTimeNilFilter() override;

    bool Create() override;
    void Release() override;
    void SetPassThrough(bool on) { m_passThrough = on; }
    bool GetPassThrough() const { return m_passThrough; }
    // Held from creation to release, for the chains.
    ITimeNilSettings* GetSettings() const { return m_settings; }

private:
    ITimeNilSettings* m_settings = nullptr;
    bool m_passThrough = false;
};
