#pragma once
// Access to the RealMedia producer library: found through the registry, loaded on the
// first query, its audiences listed once a job class factory is held.
#include "CPointerList.h"
#include "rm/ProducerInterfaces.h"

class CRealMediaLibrary;
class CRealProfile;

class CRealSystem {
public:
    CRealSystem();
    // The system owns its module and the producer's objects: it is not copied.
    CRealSystem(const CRealSystem&) = delete;
    CRealSystem& operator=(const CRealSystem&) = delete;
    virtual ~CRealSystem();

    // The producer's folder from the registry: machine-wide, company "Morvane", application
    // "RealMedia", section "SDK", value "Location"; empty when absent. A temporary text.
    const char* GetPath();
    // Loads the module and obtains the class factory unless held; whether one is held.
    bool Load();
    void Reset();
    void PopulateProfiles();
    // Marks the profile as having video or audio from the audience's output streams.
    void VerifyProfile(CRealProfile* profile, IHXTAudience* audience);

    int GetProfileCount();
    CRealProfile* GetProfile(int index);
    CRealProfile* FindProfile(const char* name);
    // The first profile with audio (audio true) or with video (audio false).
    CRealProfile* FindFirst(bool audio);
    IHXTClassFactory* GetClassFactory();

    // The first system constructed, until it is destroyed.
    static CRealSystem* sSystem;

private:
    CRealMediaLibrary* m_library;
    CPointerList m_profiles;
    IHXTClassFactory* m_classFactory = nullptr;
};
