#pragma once
// What the conversion benches share: a file probed as the user interface probes it, a
// conversion administrator that reads that file, and a run of one job to its end.
#include "CDirectShowAdministrator2.h"
#include "win32/WinTypes.h"

#include <filesystem>

class CDirectShowWindow;

struct SBenchClip {
    std::filesystem::path path;
    GUID inputId = GUID_NULL;
    GUID splitters[4] = {};
    bool chainSplitter = false;
    double duration = 0;
    // The first sound and picture, when the file has them.
    bool audio = false;
    unsigned long sampleRate = 0;
    unsigned short channels = 0, bits = 0;
    bool video = false;
    unsigned short width = 0, height = 0;
    double frameRate = 0;
};

// False when the file check cannot read the file's format.
bool ProbeBenchClip(const std::filesystem::path& path, SBenchClip& clip);

// A job from the probed clip to one file; subclasses make the output set.
class CBenchConversion : public CDirectShowAdministrator2 {
public:
    CBenchConversion(const SBenchClip& clip, const std::filesystem::path& out) : m_clip(clip), m_out(out) {}
    ~CBenchConversion() override { Release(); }

    bool CreateInputFilters() override;
    bool ConnectInput() override;

    // Creates, plays and waits for the graph's end; false when the job failed or was aborted.
    bool RunToEnd(CDirectShowWindow& window);

protected:
    SBenchClip m_clip;
    std::filesystem::path m_out;
};
