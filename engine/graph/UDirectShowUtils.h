#pragma once
// Media-type helpers of the engine: colour formats, video and audio format blocks,
// searches over the media types a pin offers, and the installed platform versions.
#include "EColorFormat.h"
#include "dshow/DShowTypes.h"

#include <functional>
#include <string>

class CMediaType;
struct VIDEOINFO;
struct VIDEOINFOHEADER2;
struct BITMAPINFOHEADER;
struct RGBQUAD;

class UDirectShowUtils {
public:
    static void CopyVideoInfo(VIDEOINFO* target, const VIDEOINFOHEADER2* source);
    static void CopyVideoInfo(VIDEOINFOHEADER2* target, const VIDEOINFO* source);
    // False for a format without a bit count or outside the table.
    static bool FillBitmapInfoHeader(EColorFormat format, unsigned short width, unsigned short height, bool topDown,
                                     BITMAPINFOHEADER* header);
    static bool FillBitmapInfoHeader(EColorFormat format, unsigned short width, unsigned short height, bool topDown,
                                     VIDEOINFO* info);
    static bool FillBitmapInfoHeader(EColorFormat format, unsigned short width, unsigned short height, bool topDown,
                                     VIDEOINFOHEADER2* info);
    static void FillRgb8Palette(RGBQUAD* palette);
    static bool MakeVideoInfo(CMediaType* type, EColorFormat format, bool topDown, unsigned short width,
                              unsigned short height);
    static bool MakeVideoInfo2(CMediaType* type, EColorFormat format, bool topDown, unsigned short width,
                               unsigned short height);
    static bool MakeAudioInfo(CMediaType* type, unsigned long sampleRate, char channels, char bits);
    static bool GetVideoSize(const AM_MEDIA_TYPE* type, unsigned short& width, unsigned short& height);
    static EColorFormat GetColorFormat(const AM_MEDIA_TYPE* type);
    static GUID GetColorType(EColorFormat format);
    static unsigned long GetDXVersion();
    static unsigned long GetWMFVersion();
    static double GetFrameRate(long long averageTimePerFrame);
    // The frame duration of a VideoInfo or VideoInfo2 type; 0 for any other.
    static long long GetAverageTimePerFrame(const AM_MEDIA_TYPE* type);
    // A camcorder's stream: DV video or DV with its sound interleaved.
    static bool IsDvMediaType(const AM_MEDIA_TYPE* type);
    static unsigned long GetFourcc(const GUID& guid) { return guid.Data1; }

    // Pin searches: each enumerated type is freed before the next is taken.
    // The major type of the first type the pin enumerates and accepts; null GUID when none.
    static GUID FindAcceptedMediaType(IPin* pin, GUID& subtype);
    static bool HasUncompressedVideoType(IPin* pin);
    static bool HasPcmAudioType(IPin* pin);
    static bool GetPinVideoFormat(IPin* pin, unsigned short& width, unsigned short& height, double& frameRate,
                                  double& aspectRatio);
    static bool GetPinBestAudioFormat(IPin* pin, unsigned long& sampleRate, char& channels, char& bits);
    static int CountMediaTypes(IPin* pin);
    // The returned types are the caller's to free with DeleteMediaType.
    static AM_MEDIA_TYPE* GetMediaType(IPin* pin, int index);
    static AM_MEDIA_TYPE* FindAudioMediaType(IPin* pin, unsigned long sampleRate, char channels, char bits,
                                             unsigned long bitrate);
    static AM_MEDIA_TYPE* FindVideoMediaType(IPin* pin, EColorFormat format);
    static unsigned long GetPinBitrate(IPin* pin);
    static bool NeedsColorConversion(IPin* pin, EColorFormat format);

    // Pin finders; the pin comes with a reference, null when none matches.
    static IPin* FindPinByTag(IBaseFilter* filter, PIN_DIRECTION direction, const char* tag);
    static IPin* FindPinByIndex(IBaseFilter* filter, PIN_DIRECTION direction, int index);
    static IPin* FindPinByType(IBaseFilter* filter, PIN_DIRECTION direction, const GUID& major, const GUID& subtype,
                               const GUID& format);

    // Walks the pin's types (or the filter's pins of a direction) until the visitor answers true;
    // true when it did.
    static bool VisitMediaTypes(IPin* pin, const std::function<bool(const AM_MEDIA_TYPE&)>& visit);
    static bool VisitPins(IBaseFilter* filter, PIN_DIRECTION direction, const std::function<bool(IPin*)>& visit);
    // The pin's own name; empty when it gives none.
    static std::string GetPinName(IPin* pin);
    // True when the pin's name or identifier contains the tag.
    static bool PinHasTag(IPin* pin, const char* tag);
};
