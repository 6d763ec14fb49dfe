#pragma once
// Basic types, ids and result codes of the media graph layer.
#include "com/Unknown.h"

using REFERENCE_TIME = LONGLONG; // 100-nanosecond units
using OAHWND = LONG_PTR;
using OAFilterState = LONG;

inline constexpr REFERENCE_TIME kUnitsPerSecond = 10000000;

enum FILTER_STATE { State_Stopped = 0, State_Paused = 1, State_Running = 2 };
enum PIN_DIRECTION { PINDIR_INPUT = 0, PINDIR_OUTPUT = 1 };

#define MAX_PIN_NAME 128
#define MAX_FILTER_NAME 128

struct AM_MEDIA_TYPE {
    GUID majortype;
    GUID subtype;
    BOOL bFixedSizeSamples;
    BOOL bTemporalCompression;
    ULONG lSampleSize;
    GUID formattype;
    IUnknown* pUnk;
    ULONG cbFormat;
    BYTE* pbFormat;
};

struct IBaseFilter;
struct IFilterGraph;
struct IPin;

struct PIN_INFO {
    IBaseFilter* pFilter; // holds a reference
    PIN_DIRECTION dir;
    WCHAR achName[MAX_PIN_NAME];
};

struct FILTER_INFO {
    WCHAR achName[MAX_FILTER_NAME];
    IFilterGraph* pGraph; // holds a reference
};

// Graph events.
#define EC_COMPLETE 0x01
#define EC_USERABORT 0x02
#define EC_ERRORABORT 0x03
#define EC_TIME 0x04
#define EC_REPAINT 0x05
#define EC_STREAM_ERROR_STOPPED 0x06
#define EC_STREAM_ERROR_STILLPLAYING 0x07
#define EC_ERROR_STILLPLAYING 0x08
#define EC_PALETTE_CHANGED 0x09
#define EC_VIDEO_SIZE_CHANGED 0x0A
#define EC_QUALITY_CHANGE 0x0B
#define EC_SHUTTING_DOWN 0x0C
#define EC_CLOCK_CHANGED 0x0D
#define EC_PAUSED 0x0E
// A capture device was unplugged (param1 the filter's IUnknown, param2 0) or came back (1).
#define EC_DEVICE_LOST 0x1F

// IMediaSeeking positioning flags.
#define AM_SEEKING_NoPositioning 0x0
#define AM_SEEKING_AbsolutePositioning 0x1
#define AM_SEEKING_RelativePositioning 0x2
#define AM_SEEKING_IncrementalPositioning 0x3
#define AM_SEEKING_PositioningBitsMask 0x3
#define AM_SEEKING_SeekToKeyFrame 0x4
#define AM_SEEKING_ReturnTime 0x8

#define AM_SEEKING_CanSeekAbsolute 0x1
#define AM_SEEKING_CanSeekForwards 0x2
#define AM_SEEKING_CanSeekBackwards 0x4
#define AM_SEEKING_CanGetCurrentPos 0x8
#define AM_SEEKING_CanGetStopPos 0x10
#define AM_SEEKING_CanGetDuration 0x20

// Result codes.
#define VFW_S_STATE_INTERMEDIATE static_cast<HRESULT>(0x00040237)
#define VFW_E_INVALIDMEDIATYPE static_cast<HRESULT>(0x80040200)
#define VFW_E_NEED_OWNER static_cast<HRESULT>(0x80040204)
#define VFW_E_NOT_CONNECTED static_cast<HRESULT>(0x80040209)
#define VFW_E_NO_ACCEPTABLE_TYPES static_cast<HRESULT>(0x80040207)
#define VFW_E_ALREADY_CONNECTED static_cast<HRESULT>(0x80040204 + 0x0A)
#define VFW_E_INVALID_DIRECTION static_cast<HRESULT>(0x80040208)
#define VFW_E_TYPE_NOT_ACCEPTED static_cast<HRESULT>(0x8004022A)
#define VFW_E_NOT_STOPPED static_cast<HRESULT>(0x80040224)
#define VFW_E_WRONG_STATE static_cast<HRESULT>(0x80040227)
#define VFW_E_CANNOT_CONNECT static_cast<HRESULT>(0x80040217)
#define VFW_E_CANNOT_RENDER static_cast<HRESULT>(0x80040218)
#define VFW_E_NOT_FOUND static_cast<HRESULT>(0x80040216)
#define VFW_E_DUPLICATE_NAME static_cast<HRESULT>(0x8004022E)
#define VFW_E_UNKNOWN_FILE_TYPE static_cast<HRESULT>(0x80040240)
#define VFW_E_INVALID_FILE_FORMAT static_cast<HRESULT>(0x80040241)
#define VFW_E_NOT_IN_GRAPH static_cast<HRESULT>(0x8004025F)
#define VFW_E_NO_TIME_FORMAT static_cast<HRESULT>(0x80040263)
#define VFW_E_TIME_FORMAT static_cast<HRESULT>(0x8004022C)
#define VFW_E_WRONG_PIN static_cast<HRESULT>(0x80040225 + 0x40)
#define E_ABORT static_cast<HRESULT>(0x80004004)

// Media types, subtypes and format blocks.
extern const GUID GUID_NULL_MEDIA;
extern const GUID MEDIATYPE_Video;
extern const GUID MEDIATYPE_Audio;
extern const GUID MEDIATYPE_Stream;
extern const GUID MEDIATYPE_Text;
extern const GUID MEDIASUBTYPE_PCM;
extern const GUID MEDIASUBTYPE_IEEE_FLOAT;
extern const GUID MEDIASUBTYPE_RGB8;
extern const GUID MEDIASUBTYPE_RGB555;
extern const GUID MEDIASUBTYPE_RGB565;
extern const GUID MEDIASUBTYPE_RGB24;
extern const GUID MEDIASUBTYPE_RGB32;
extern const GUID MEDIASUBTYPE_ARGB32;
extern const GUID MEDIASUBTYPE_Coded; // a stream this layer decodes itself; format FORMAT_CodecParams
extern const GUID FORMAT_None;
extern const GUID FORMAT_WaveFormatEx;
extern const GUID FORMAT_VideoInfo;
extern const GUID FORMAT_VideoInfo2;
extern const GUID FORMAT_CodecParams;
extern const GUID TIME_FORMAT_NONE;
extern const GUID TIME_FORMAT_MEDIA_TIME;
extern const GUID TIME_FORMAT_FRAME;
extern const GUID TIME_FORMAT_SAMPLE;
extern const GUID TIME_FORMAT_BYTE;

// The subtype of a four-character code: {FOURCC-0000-0010-8000-00AA00389B71}.
GUID MediaSubtypeFromFourcc(DWORD fourcc);

#define VFW_S_PARTIAL_RENDER static_cast<HRESULT>(0x00040242)
#define VFW_S_DUPLICATE_NAME static_cast<HRESULT>(0x0004022D)
#define STG_E_ACCESSDENIED static_cast<HRESULT>(0x80030005)
#define STG_E_MEDIUMFULL static_cast<HRESULT>(0x80030070)
