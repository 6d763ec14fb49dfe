#pragma once
// What capture filters tell of their formats: the capability blocks of IAMStreamConfig
// and the frame rates a camera offers at each size.
#include "dshow/DShowInterfaces.h"
#include "win32/WinTypes.h"

// 52 bytes: the PCM formats of one capability.
struct AUDIO_STREAM_CONFIG_CAPS {
    GUID guid;
    ULONG MinimumChannels;
    ULONG MaximumChannels;
    ULONG ChannelsGranularity;
    ULONG MinimumBitsPerSample;
    ULONG MaximumBitsPerSample;
    ULONG BitsPerSampleGranularity;
    ULONG MinimumSampleFrequency;
    ULONG MaximumSampleFrequency;
    ULONG SampleFrequencyGranularity;
};
static_assert(sizeof(AUDIO_STREAM_CONFIG_CAPS) == 52);

// 128 bytes: the pictures of one capability; frame intervals in 100-nanosecond units.
struct VIDEO_STREAM_CONFIG_CAPS {
    GUID guid;
    ULONG VideoStandard;
    SIZE InputSize;
    SIZE MinCroppingSize;
    SIZE MaxCroppingSize;
    int CropGranularityX;
    int CropGranularityY;
    int CropAlignX;
    int CropAlignY;
    SIZE MinOutputSize;
    SIZE MaxOutputSize;
    int OutputGranularityX;
    int OutputGranularityY;
    int StretchTapsX;
    int StretchTapsY;
    int ShrinkTapsX;
    int ShrinkTapsY;
    LONGLONG MinFrameInterval;
    LONGLONG MaxFrameInterval;
    LONG MinBitsPerSecond;
    LONG MaxBitsPerSecond;
};
static_assert(sizeof(VIDEO_STREAM_CONFIG_CAPS) == 128);

// The video capture filter's frame rates; `index` is a capability of IAMStreamConfig.
struct IAMVideoControl : IUnknown {
    static constexpr IID kIid = {0x3BB75ACD, 0x1E27, 0x4C0D, {0xB9, 0xF5, 0x83, 0x7C, 0xE3, 0x1C, 0x98, 0x87}};
    using Base = IUnknown;
    virtual HRESULT GetCaps(IPin* pin, LONG* flags) = 0;
    virtual HRESULT SetMode(IPin* pin, LONG mode) = 0;
    virtual HRESULT GetMode(IPin* pin, LONG* mode) = 0;
    virtual HRESULT GetCurrentActualFrameRate(IPin* pin, LONGLONG* frameTime) = 0;
    virtual HRESULT GetMaxAvailableFrameRate(IPin* pin, LONG index, SIZE dimensions, LONGLONG* frameTime) = 0;
    // Frame durations, fastest first, in task memory.
    virtual HRESULT GetFrameRateList(IPin* pin, LONG index, SIZE dimensions, LONG* count, LONGLONG** frameTimes) = 0;
};

// An input line of an audio capture device (an input pin named after it): whether it is
// recorded and at which level, 0..1; -1 leaves the level to the device's automatic gain.
struct IAMAudioInputMixer : IUnknown {
    static constexpr IID kIid = {0x54C39221, 0x8380, 0x11D0, {0xB3, 0xF0, 0x00, 0xAA, 0x00, 0x37, 0x61, 0xC5}};
    using Base = IUnknown;
    virtual HRESULT put_Enable(BOOL enable) = 0;
    virtual HRESULT get_Enable(BOOL* enable) = 0;
    virtual HRESULT put_MixLevel(double level) = 0;
    virtual HRESULT get_MixLevel(double* level) = 0;
};

// The buffers a capture pin is asked to deliver in; -1 leaves a value to the pin.
struct ALLOCATOR_PROPERTIES {
    LONG cBuffers;
    LONG cbBuffer;
    LONG cbAlign;
    LONG cbPrefix;
};

struct IAMBufferNegotiation : IUnknown {
    static constexpr IID kIid = {0x56ED71A0, 0xAF5F, 0x11D0, {0xB3, 0xF0, 0x00, 0xAA, 0x00, 0x37, 0x61, 0xC5}};
    using Base = IUnknown;
    virtual HRESULT SuggestAllocatorProperties(const ALLOCATOR_PROPERTIES* properties) = 0;
    virtual HRESULT GetAllocatorProperties(ALLOCATOR_PROPERTIES* properties) = 0;
};

// A source that captures live and never ends by itself. The graph asks it, before it stops
// anything, to end its stream, so that what it fed is finished and written.
struct ILiveSource : IUnknown {
    static constexpr IID kIid = {0x9391A807, 0x625A, 0x40FA, {0xBA, 0x89, 0xA6, 0x95, 0x1C, 0x51, 0x86, 0x85}};
    using Base = IUnknown;
    // Returns once the end of the stream has been delivered (at once when not running).
    virtual HRESULT EndStream() = 0;
};

// A video capture pin's count of pictures it could not deliver in their turn (a late
// picture is skipped, as a camera does) and of those it delivered.
struct IAMDroppedFrames : IUnknown {
    static constexpr IID kIid = {0xC6E13344, 0x30AC, 0x11D0, {0xA1, 0x8C, 0x00, 0xA0, 0xC9, 0x11, 0x89, 0x56}};
    using Base = IUnknown;
    virtual HRESULT GetNumDropped(LONG* dropped) = 0;
    virtual HRESULT GetNumNotDropped(LONG* delivered) = 0;
};

// The class ids that capture devices' property bags give as "CLSID".
inline constexpr CLSID CLSID_AudioCaptureSource = {0xFC1F0E21, 0x9F60, 0x4B91, {0x9A, 0x3F, 0x8E, 0x6C, 0x1A, 0x24, 0x08, 0x52}};
inline constexpr CLSID CLSID_VideoCaptureSource = {0xC66185A1, 0xBB30, 0x44D9, {0x95, 0xCF, 0x25, 0x46, 0xDE, 0x47, 0x49, 0x36}};
inline constexpr CLSID CLSID_TestAudioCapture = {0xC9D0DA29, 0x8749, 0x436D, {0xB5, 0x1C, 0x5E, 0x6B, 0xD9, 0xA7, 0x0D, 0x95}};
// "Screen Capture", the screen as a video source.
inline constexpr CLSID CLSID_ScreenCaptureSource = {0x633485DB, 0x4DA0, 0x4808, {0x83, 0x84, 0x84, 0x65, 0x3E, 0x44, 0x02, 0xAF}};
inline constexpr CLSID CLSID_TestVideoCapture = {0xF46B5391, 0xB097, 0x48D6, {0x89, 0xA3, 0x49, 0x0B, 0x42, 0x3F, 0x07, 0x67}};
