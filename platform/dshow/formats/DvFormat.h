#pragma once
// The two DV systems of standard-definition video (525 lines at 29.97 frames per second,
// 625 lines at 25), their fixed frame sizes and the sound each frame carries, and the
// media types of DV: video alone ("dvsd" video) or video and sound in one interleaved
// stream of whole DV frames.
#include "dshow/MediaType.h"

#include <cstdint>

struct DvSystem {
    const char* name;
    LONG width, height;
    int rateNum, rateDen;      // frames per second as a fraction
    REFERENCE_TIME frameTime;  // one frame, rounded
    LONG frameSize;            // bytes of one DV frame
    int pixelFormat;           // the codec library's picture format of this system
};

extern const DvSystem kDvNtsc;
extern const DvSystem kDvPal;
extern const GUID MEDIATYPE_Interleaved;
extern const GUID MEDIASUBTYPE_dvsd;

// The system whose frame rate the frame time is; null for any other rate.
const DvSystem* DvSystemOfFrameTime(REFERENCE_TIME frameTime);
// The system of that picture size and frame time (0: any of the system); null when none.
const DvSystem* FindDvSystem(LONG width, LONG height, REFERENCE_TIME frameTime);
// Start of frame `frame` in media time.
REFERENCE_TIME DvFrameStart(const DvSystem& system, int64_t frame);
// Whether DV frames carry sound of that sample rate (32, 44.1 or 48 kHz).
bool IsDvSoundRate(int sampleRate);
// Stereo samples carried by frame `frame` at that sample rate; 0 when the system cannot
// carry that rate.
int DvAudioSamples(const DvSystem& system, int64_t frame, int sampleRate);

// DV video of the system; interleaved: the whole DV frames with their sound.
void MakeDvType(CMediaType& type, const DvSystem& system, bool interleaved);
// The system of a DV type of that kind; null for any other type.
const DvSystem* ReadDvType(const AM_MEDIA_TYPE& type, bool interleaved);
