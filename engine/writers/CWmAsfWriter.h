#pragma once
// Base of the Windows Media writers: the system's ASF writer, configured with a profile
// before connection. A writer that cannot be created offers to install the runtime.
#include "CFileWriterFilter.h"

struct IWMProfile;

class CWmAsfWriter : public CFileWriterFilter {
public:
    explicit CWmAsfWriter(CDirectShowGraph* graph = nullptr, const char* name = "WMV Writer");

    void PromptCreateError() override;

    void SetWantsVideo(bool on) { m_wantsVideo = on; }
    void SetWantsAudio(bool on) { m_wantsAudio = on; }
    bool GetWantsVideo() const { return m_wantsVideo; }
    bool GetWantsAudio() const { return m_wantsAudio; }

protected:
    // Gives the writer the profile and turns its indexing on; its pins follow the profile.
    bool ApplyProfile(IWMProfile* profile);

private:
    bool m_wantsVideo = true;
    bool m_wantsAudio = true;
};
