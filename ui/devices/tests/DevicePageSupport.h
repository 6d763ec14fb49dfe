#pragma once
// Test support for the device pages: the process-wide preset catalogue made for one test, a
// format decision that only counts what it is asked, and a page that records its binding.
#include "CFormatDecision.h"
#include "CObjectPanel.h"
#include "CTargetDecisions.h"
#include "CTargetPlatform.h"

#include <vector>

class ScopedTargetDecisions {
    // Before the catalogue: a new catalogue makes itself the process-wide one.
    CTargetDecisions* m_old = CTargetDecisions::sDecisions;

public:
    ScopedTargetDecisions() { CTargetDecisions::sDecisions = &decisions; }
    ~ScopedTargetDecisions() { CTargetDecisions::sDecisions = m_old; }
    ScopedTargetDecisions(const ScopedTargetDecisions&) = delete;
    ScopedTargetDecisions& operator=(const ScopedTargetDecisions&) = delete;

    CTargetPlatform* AddPlatform(const char* name, bool active = true, bool canSync = false, const char* notes = "")
    {
        CTargetPlatform* platform = decisions.CreatePlatform(name);
        platform->SetActive(active);
        platform->SetCanSync(canSync);
        platform->SetNotes(notes);
        return platform;
    }
    CTargetConversion* AddPreset(const char* platform, const char* name, EMediaType type, ULONG maxBitrate = 800000,
                                 const char* notes = "")
    {
        CTargetConversion* preset = decisions.CreateTarget(platform, name, type);
        preset->SetMaxBitrate(maxBitrate);
        preset->SetNotes(notes);
        return preset;
    }

    CTargetDecisions decisions;
};

// Records each decision asked for instead of deciding.
class CountingDecision : public CFormatDecision {
public:
    void SetFormat(CMediaFile2* input, CMediaOutput2* output, bool followInput) override
    {
        calls.push_back({input, output, followInput});
    }
    struct Call {
        CMediaFile2* input;
        CMediaOutput2* output;
        bool followInput;
    };
    std::vector<Call> calls;
};

// A dependent page that only remembers what it was bound to.
class BindingRecorder : public CObjectPanel {
public:
    BindingRecorder() : CObjectPanel(0, nullptr) {}
    void SetupController() override {}
    void SetObject(CPersistObject* object) override
    {
        bound = object;
        ++bindings;
    }
    CPersistObject* bound = nullptr;
    int bindings = 0;
};
