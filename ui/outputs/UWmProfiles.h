#pragma once
// The Windows Media profiles the output pages offer, by version, as the engine's profile
// catalogue gives them. Without the runtime there is no list.
#include "afx/CString.h"

#include <functional>
#include <vector>

class UWmProfiles {
public:
    struct Profile {
        CString name;
        bool hasVideo = false;
    };
    struct Version {
        unsigned short number = 0;
        std::vector<Profile> profiles;

        const Profile* Find(const char* name) const;
        // The first profile without video (noVideo true) or with video.
        const Profile* FindFirst(bool noVideo) const;
    };
    using Source = std::function<const std::vector<Version>*()>;

    // Null when no profile list is available.
    static const std::vector<Version>* Versions();
    static const Version* Find(unsigned short number);
    // Where the list comes from instead of the engine's catalogue; an empty source goes
    // back to the catalogue.
    static void SetSource(Source source);
};
