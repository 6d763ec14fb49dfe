#pragma once
// The QuickTime library's movie calls: memory handles, components, movie export from
// procedures to a data reference, standard compression, movies with tracks, media and
// samples, and graphics worlds over device-independent bitmaps. Programs load
// "QTMLClient.dll" by name and bind these entry points (QT_MOVIE_CALLS lists them all).
#include "quicktime/QuickTimeApi.h"

using Handle = char**;
using Ptr = char*;
using Fixed = int32_t;
using TimeValue = int32_t;
using TimeScale = int32_t;
using Boolean = uint8_t;
using ComponentResult = int32_t;
using QTAtomContainer = Handle;
using AliasHandle = Handle;
using SampleDescriptionHandle = Handle;
using ImageDescriptionHandle = Handle;
using SoundDescriptionHandle = Handle;

struct ComponentRecord;
struct ComponentInstanceRecord;
struct MovieRecord;
struct TrackRecord;
struct MediaRecord;
struct GWorldRecord;
struct PixMap;
using Component = ComponentRecord*;
using ComponentInstance = ComponentInstanceRecord*;
using MovieExportComponent = ComponentInstance;
using Movie = MovieRecord*;
using Track = TrackRecord*;
using Media = MediaRecord*;
using GWorldPtr = GWorldRecord*;
using PixMapHandle = PixMap**;

inline constexpr OSErr eofErr = -39;
inline constexpr OSErr paramErr = -50;
inline constexpr OSErr memFullErr = -108;
inline constexpr OSErr fnfErr = -43;
inline constexpr OSErr ioErr = -36;
inline constexpr OSErr userCanceledErr = -128;
inline constexpr OSErr badComponentInstance = -2000; // 0x80008001 in the component manager's terms
inline constexpr OSErr badComponentSelector = -2001;
inline constexpr OSErr invalidTrack = -2009;
inline constexpr OSErr invalidMedia = -2008;
inline constexpr OSErr noCodecErr = -8961;     // no encoder here for the chosen format
inline constexpr OSErr codecErr = -8960;       // the encoder refused the picture or sound
inline constexpr OSErr badImageDescription = -2015;

inline constexpr uint32_t canMovieExportFromProcedures = 0x8000;
inline constexpr uint32_t cmpIsMissing = 1u << 29; // the component cannot work on this system
inline constexpr Fixed fixed1 = 0x10000;

// A component as found by its description; flags and mask select on the component's flags.
struct ComponentDescription {
    OSType componentType;
    OSType componentSubType;
    OSType componentManufacturer;
    uint32_t componentFlags;
    uint32_t componentFlagsMask;
};

// A file named by its full path as a length-prefixed string.
struct FSSpec {
    int16_t vRefNum;
    int32_t parID;
    unsigned char name[256];
};

struct Rect {
    int16_t top, left, bottom, right;
};

#pragma pack(push, 2)
struct SoundDescription {
    int32_t descSize; // 36
    OSType dataFormat;
    int32_t resvd1;
    int16_t resvd2;
    int16_t dataRefIndex;
    int16_t version;
    int16_t revlevel;
    int32_t vendor;
    int16_t numChannels;
    int16_t sampleSize;
    int16_t compressionID;
    int16_t packetSize;
    uint32_t sampleRate; // 16.16
};

// 86 bytes; a compressed picture's codec set-up bytes follow it, counted in idSize.
struct ImageDescription {
    int32_t idSize;
    OSType cType;
    int32_t resvd1;
    int16_t resvd2;
    int16_t dataRefIndex;
    int16_t version;
    int16_t revisionLevel;
    int32_t vendor;
    int32_t temporalQuality;
    int32_t spatialQuality;
    int16_t width;
    int16_t height;
    Fixed hRes;
    Fixed vRes;
    int32_t dataSize;
    int16_t frameCount;
    unsigned char name[32];
    int16_t depth;
    int16_t clutID;
};
#pragma pack(pop)
static_assert(sizeof(SoundDescription) == 36 && sizeof(ImageDescription) == 86);

// One sample asked of a data source: the exporter names the time it wants, the procedure
// answers with the sample it has.
struct MovieExportGetDataParams {
    int32_t recordSize;
    int32_t trackID;
    TimeScale sourceTimeScale;
    TimeValue requestedTime;
    TimeValue actualTime;
    Ptr dataPtr;
    int32_t dataSize;
    SampleDescriptionHandle desc;
    OSType descType;
    int32_t descSeed;
    int32_t requestedSampleCount;
    int32_t actualSampleCount;
    TimeValue durationPerSample;
    int32_t sampleFlags;
};

using MovieExportGetPropertyUPP = OSErr (*)(void* refCon, int32_t trackID, OSType propertyType, void* value);
using MovieExportGetDataUPP = OSErr (*)(void* refCon, MovieExportGetDataParams* params);

// Standard compression settings, read and written with SCGetInfo and SCSetInfo.
struct SCSpatialSettings {
    OSType codecType;
    void* codec;
    int16_t depth;
    int32_t spatialQuality; // 0-1023
};
struct SCTemporalSettings {
    int32_t temporalQuality;
    Fixed frameRate;
    int32_t keyFrameRate;
};
struct SCDataRateSettings {
    int32_t dataRate; // bytes per second
    int32_t frameDuration; // ms
    int32_t minSpatialQuality;
    int32_t minTemporalQuality;
};

inline constexpr OSType StandardCompressionType = 0x73636469;         // 'scdi'
inline constexpr OSType StandardCompressionSubType = 0x696D6167;      // 'imag'
inline constexpr OSType StandardCompressionSubTypeSound = 0x736F756E; // 'soun'
inline constexpr OSType MovieExportType = 0x73706974;                 // 'spit'
inline constexpr OSType VideoMediaType = 0x76696465;                  // 'vide'
inline constexpr OSType SoundMediaType = 0x736F756E;                  // 'soun'
inline constexpr OSType rAliasType = 0x616C6973;                      // 'alis'
inline constexpr OSType scSpatialSettingsType = 0x7370746C;           // 'sptl'
inline constexpr OSType scTemporalSettingsType = 0x7470726C;          // 'tprl'
inline constexpr OSType scDataRateSettingsType = 0x64726174;          // 'drat'
inline constexpr OSType scSettingsStateType = 0x73737461;             // 'ssta': Handle*
inline constexpr OSType scSoundCompressionType = 0x73736374;          // 'ssct': OSType
inline constexpr OSType scSoundSampleRateType = 0x73737274;           // 'ssrt': 16.16 unsigned
inline constexpr OSType scSoundChannelCountType = 0x73736363;         // 'sscc': int16_t
inline constexpr OSType scSoundSampleSizeType = 0x73737373;           // 'ssss': int16_t
inline constexpr OSType scSoundBitRateType = 0x73627274;              // 'sbrt': int32_t bits per second
inline constexpr OSType scSoundVBRType = 0x63766272;                  // 'cvbr': Boolean
inline constexpr OSType movieExportTimeScale = 0x746D7363;            // 'tmsc': Fixed
inline constexpr OSType movieExportWidth = 0x77647468;                // 'wdth': Fixed
inline constexpr OSType movieExportHeight = 0x68656774;               // 'hegt': Fixed

inline constexpr int16_t mediaSampleNotSync = 1;

inline constexpr OSType decompressorComponentType = 0x696D6463; // 'imdc'
inline constexpr OSType codecPixelFormatResource = 0x63706978;  // 'cpix': the pixel formats a decompressor gives

// A track's display matrix; the type of a matrix orders them from identity (0) through
// translation, scale, scale and translation (3) to rotations and perspective (4 and up).
struct MatrixRecord {
    Fixed matrix[3][3];
};

// A graphics world's picture: rows of rowBytes from baseAddr, the first row the top one.
struct PixMap {
    Ptr baseAddr;
    int32_t rowBytes;
    Rect bounds;
    int16_t pixelSize; // bits
};

#define QT_MOVIE_CALLS(X)                                                                                      \
    X(Handle, NewHandle, (int32_t size))                                                                        \
    X(Handle, NewHandleClear, (int32_t size))                                                                   \
    X(void, DisposeHandle, (Handle h))                                                                          \
    X(int32_t, GetHandleSize, (Handle h))                                                                       \
    X(void, SetHandleSize, (Handle h, int32_t size))                                                            \
    X(OSErr, MemError, ())                                                                                      \
    X(Component, FindNextComponent, (Component after, ComponentDescription * description))                       \
    X(OSErr, OpenAComponent, (Component component, ComponentInstance * instance))                               \
    X(OSErr, OpenADefaultComponent, (OSType type, OSType subType, ComponentInstance * instance))                \
    X(OSErr, CloseComponent, (ComponentInstance instance))                                                      \
    X(OSErr, FSMakeFSSpec, (int16_t vRefNum, int32_t dirID, const unsigned char* name, FSSpec* spec))           \
    X(OSErr, QTNewAlias, (const FSSpec* spec, AliasHandle* alias, Boolean minimal))                             \
    X(void, QTDisposeAtomContainer, (QTAtomContainer container))                                               \
    X(ComponentResult, MovieExportAddDataSource,                                                               \
      (MovieExportComponent ci, OSType trackType, TimeScale scale, int32_t * trackID,                           \
       MovieExportGetPropertyUPP getPropertyProc, MovieExportGetDataUPP getDataProc, void* refCon))             \
    X(ComponentResult, MovieExportDisposeDataSource,                                                           \
      (MovieExportComponent ci, MovieExportGetPropertyUPP getPropertyProc, MovieExportGetDataUPP getDataProc,   \
       void* refCon))                                                                                           \
    X(ComponentResult, MovieExportFromProceduresToDataRef,                                                     \
      (MovieExportComponent ci, Handle dataRef, OSType dataRefType))                                            \
    X(ComponentResult, MovieExportDoUserDialog,                                                                \
      (MovieExportComponent ci, Movie movie, Track onlyThisTrack, TimeValue start, TimeValue duration,          \
       Boolean * canceled))                                                                                     \
    X(ComponentResult, MovieExportSetSettingsFromAtomContainer, (MovieExportComponent ci, QTAtomContainer settings)) \
    X(ComponentResult, MovieExportGetSettingsAsAtomContainer, (MovieExportComponent ci, QTAtomContainer * settings)) \
    X(ComponentResult, SCGetInfo, (ComponentInstance ci, OSType type, void* info))                              \
    X(ComponentResult, SCSetInfo, (ComponentInstance ci, OSType type, void* info))                              \
    X(ComponentResult, SCSetSettingsFromAtomContainer, (ComponentInstance ci, QTAtomContainer settings))        \
    X(ComponentResult, SCRequestSequenceSettings, (ComponentInstance ci))                                       \
    X(ComponentResult, SCCompressSequenceBegin,                                                                \
      (ComponentInstance ci, PixMapHandle src, const Rect* srcRect, ImageDescriptionHandle* desc))              \
    X(ComponentResult, SCCompressSequenceFrame,                                                                \
      (ComponentInstance ci, PixMapHandle src, const Rect* srcRect, Handle* data, int32_t* dataSize,            \
       int16_t* notSyncFlag))                                                                                   \
    X(ComponentResult, SCCompressSequenceEnd, (ComponentInstance ci))                                           \
    X(OSErr, CreateMovieFile,                                                                                  \
      (const FSSpec* spec, OSType creator, int16_t scriptTag, int32_t flags, int16_t* resRefNum, Movie* movie))  \
    X(OSErr, AddMovieResource, (Movie movie, int16_t resRefNum, int16_t * resId, const unsigned char* name))    \
    X(OSErr, CloseMovieFile, (int16_t resRefNum))                                                               \
    X(void, DisposeMovie, (Movie movie))                                                                        \
    X(TimeScale, GetMovieTimeScale, (Movie movie))                                                              \
    X(Track, NewMovieTrack, (Movie movie, Fixed width, Fixed height, int16_t volume))                           \
    X(void, DisposeMovieTrack, (Track track))                                                                   \
    X(Media, NewTrackMedia, (Track track, OSType mediaType, TimeScale scale, Handle dataRef, OSType dataRefType)) \
    X(void, DisposeTrackMedia, (Media media))                                                                   \
    X(OSErr, BeginMediaEdits, (Media media))                                                                    \
    X(OSErr, EndMediaEdits, (Media media))                                                                      \
    X(TimeValue, GetMediaDuration, (Media media))                                                               \
    X(OSErr, InsertMediaIntoTrack,                                                                             \
      (Track track, TimeValue trackStart, TimeValue mediaTime, TimeValue mediaDuration, Fixed mediaRate))       \
    X(OSErr, AddMediaSample,                                                                                   \
      (Media media, Handle data, int32_t offset, uint32_t size, TimeValue durationPerSample,                    \
       SampleDescriptionHandle description, int32_t numberOfSamples, int16_t flags, TimeValue* sampleTime))     \
    X(OSErr, GetMoviesError, ())                                                                                \
    X(OSErr, NewGWorldFromHBITMAP,                                                                             \
      (GWorldPtr * world, void* colorTable, void* device, uint32_t flags, void* bitmap, void* dc))             \
    X(PixMapHandle, GetGWorldPixMap, (GWorldPtr world))                                                         \
    X(Boolean, LockPixels, (PixMapHandle pixels))                                                               \
    X(void, UnlockPixels, (PixMapHandle pixels))                                                                \
    X(void, DisposeGWorld, (GWorldPtr world))                                                                   \
    X(OSErr, GetComponentInfo,                                                                                 \
      (Component component, ComponentDescription * description, Handle name, Handle info, Handle icon))        \
    X(OSErr, GetComponentPublicResource,                                                                       \
      (Component component, OSType resourceType, int16_t resourceId, Handle * resource))                       \
    X(void, GetTrackMatrix, (Track track, MatrixRecord * matrix))                                               \
    X(void, SetTrackMatrix, (Track track, const MatrixRecord* matrix))                                          \
    X(int16_t, GetMatrixType, (const MatrixRecord* matrix))                                                     \
    X(Media, GetTrackMedia, (Track track))                                                                      \
    X(int32_t, GetMediaSampleDescriptionCount, (Media media))                                                   \
    X(void, GetMediaSampleDescription, (Media media, int32_t index, SampleDescriptionHandle description))       \
    X(const char*, QTErrorText, (OSErr error))

#define QT_DECLARE_CALL(result, name, args)                                                                    \
    QT_EXPORT result name args;                                                                                 \
    using name##Proc = result(*) args;
QT_MOVIE_CALLS(QT_DECLARE_CALL)
#undef QT_DECLARE_CALL

// Every call of the list as a pointer, for a program that loads the library by name.
struct QTMovieCalls {
#define QT_CALL_FIELD(result, name, args) name##Proc name = nullptr;
    QT_MOVIE_CALLS(QT_CALL_FIELD)
#undef QT_CALL_FIELD
};

// Fills every pointer through lookup(name); true when each one was found.
template <class Lookup>
bool QTBindMovieCalls(QTMovieCalls& calls, Lookup lookup)
{
    bool all = true;
#define QT_CALL_BIND(result, name, args)                                                                       \
    calls.name = reinterpret_cast<name##Proc>(lookup(#name));                                                   \
    all = all && calls.name;
    QT_MOVIE_CALLS(QT_CALL_BIND)
#undef QT_CALL_BIND
    return all;
}
