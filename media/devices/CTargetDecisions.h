#pragma once
// The process-wide catalogue of device conversion targets and device platforms, with the
// built-in presets of seven device families.
#include "CPersistList.h"
#include "CTargetConversion.h"

class CTargetPlatform;

class CTargetDecisions : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CTargetDecisions)
public:
    // Every new catalogue becomes the process-wide one.
    CTargetDecisions();
    CTargetDecisions(const CTargetDecisions& other);
    CTargetDecisions& operator=(const CTargetDecisions& other);
    ~CTargetDecisions() override;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Keeps only targets and platforms in their lists, whatever the file holds.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // The catalogue takes ownership of what is added; removing deletes it.
    void AddTarget(CTargetConversion* target);
    void AddTarget(CTargetConversion* target, int index);
    void RemoveTarget(CTargetConversion* target);
    int GetTargetCount() const { return m_targets.GetItemCount(); }
    CTargetConversion* GetTarget(int index) const;
    CPersistList& GetTargets() { return m_targets; }
    CTargetConversion* FindTarget(const char* platform, EMediaType mediaType) const;
    CTargetConversion* FindTarget(const char* platform, const char* name, EMediaType mediaType) const;
    CTargetConversion* CreateTarget(const char* platform, const char* name, EMediaType mediaType);
    CTargetConversion* EnsureTarget(const char* platform, const char* name, EMediaType mediaType);
    // Null when such a target exists already.
    CTargetConversion* CreateNewTarget(const char* platform, const char* name, EMediaType mediaType);

    void AddPlatform(CTargetPlatform* platform);
    // Inserts, then gives every target's platform a record.
    void AddPlatformAt(CTargetPlatform* platform, int index);
    void RemovePlatform(CTargetPlatform* platform);
    int GetPlatformCount() const { return m_platforms.GetItemCount(); }
    CTargetPlatform* GetPlatform(int index) const;
    int GetPlatformIndex(const CTargetPlatform* platform) const;
    CPersistList& GetPlatforms() { return m_platforms; }
    CTargetPlatform* FindPlatform(const char* name) const;
    CTargetPlatform* CreatePlatform(const char* name);
    CTargetPlatform* EnsurePlatform(const char* name);
    CTargetPlatform* CreateNewPlatform(const char* name);
    void EnsurePlatforms();

    void AddiPodTarget();
    void AddPSPTarget();
    void AddPMCTarget();
    void AddZenVisionTarget();
    void AddZuneTarget();
    void AddArchosTarget();
    void Add3GPTarget();
    // No preset exists for this family.
    void AddFlashTarget() {}

    static CTargetDecisions* sDecisions;

private:
    CPersistList m_targets;
    CPersistList m_platforms;
};
