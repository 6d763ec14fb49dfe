#pragma once
// The media type of a stream configuration, read in the one piece the runtime hands
// out, changed in place and stored back.
#include "win32/WinTypes.h"

#include <vector>

struct IWMStreamConfig;
struct VIDEOINFOHEADER;
struct WAVEFORMATEX;

class CWmStreamFormat {
public:
    explicit CWmStreamFormat(IWMStreamConfig* config);

    // The format block, or null when the type has none of that kind.
    VIDEOINFOHEADER* Video();
    WAVEFORMATEX* Wave();
    bool Store();

    // Output size (both non-zero), frame rate and bit rate (each when non-zero) of a video type.
    static void ChangeVideo(VIDEOINFOHEADER& info, unsigned short width, unsigned short height, double frameRate,
                            ULONG bitrate);
    // 100-nanosecond units of one frame at that rate.
    static LONGLONG FrameTime(double frameRate);

private:
    IWMStreamConfig* m_config;
    std::vector<BYTE> m_bytes;
};
