// Movie export from procedures: each data source is a track whose samples the exporter
// pulls through the source's get-data procedure on the calling thread, earliest track
// first, encodes with the format the source's get-property procedure names (or the
// exporter's settings) and writes into the file the data reference names.
#include "quicktime/QuickTimeEncoding.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr OSType kAvc1 = 0x61766331, kMp4v = 0x6D703476, kMp4a = 0x6D703461, kTwos = 0x74776F73;
constexpr OSType kDvVideo = 0x64766320, kDvAudio = 0x64766361;

struct SDataSource {
    OSType type = 0;
    TimeScale scale = 0;
    int32_t id = 0;
    MovieExportGetPropertyUPP getProperty = nullptr;
    MovieExportGetDataUPP getData = nullptr;
    void* refCon = nullptr;
};

struct CMovieExporter : ComponentInstanceRecord {
    explicit CMovieExporter(OSType fileType)
    {
        // The exporter's own choices until settings say otherwise.
        const bool h264 = QTEncoderForFormat(kAvc1) != nullptr;
        switch (fileType) {
        case 0x6D706734: // 'mpg4'
        case 0x4D345620: // 'M4V '
            settings.videoCodec = h264 ? kAvc1 : kMp4v;
            settings.soundFormat = kMp4a;
            break;
        case 0x64766321: // 'dvc!'
            settings.videoCodec = kDvVideo;
            settings.soundFormat = kDvAudio;
            break;
        case 0x41494646: settings.soundFormat = kTwos; break; // 'AIFF'
        default:
            settings.videoCodec = kMp4v;
            settings.soundFormat = kMp4a;
            break;
        }
    }
    SCompressionSettings settings;
    std::vector<SDataSource> sources;
    int32_t nextId = 1;
};

CMovieExporter* Exporter(ComponentInstance ci) { return dynamic_cast<CMovieExporter*>(ci); }

// One source during an export: its encoder, its stream and the sample in hand.
struct STrackRun {
    const SDataSource* source = nullptr;
    std::unique_ptr<CPictureEncoder> picture;
    std::unique_ptr<CSoundEncoder> sound;
    int stream = -1;
    bool ended = false;
    MovieExportGetDataParams sample{};
    bool holding = false;
    TimeValue next = 0;
    int64_t lastFrame = -1;
    double frameRate = 25;
    int channels = 0;
    int rate = 0;
    int width = 0, height = 0, pixelSize = 0;

    CCodecSession* Session() const
    {
        return picture ? static_cast<CCodecSession*>(picture.get()) : static_cast<CCodecSession*>(sound.get());
    }
    double Seconds() const { return source->scale > 0 ? double(next) / source->scale : 0; }
};

// The source's answer, or the fallback when it has none.
template <class T>
T Property(const SDataSource& s, OSType type, T fallback)
{
    T value{};
    return s.getProperty && s.getProperty(s.refCon, s.id, type, &value) == noErr ? value : fallback;
}

bool Pull(STrackRun& run)
{
    MovieExportGetDataParams& p = run.sample;
    p = {};
    p.recordSize = sizeof p;
    p.trackID = run.source->id;
    p.sourceTimeScale = run.source->scale;
    p.requestedTime = run.next;
    p.requestedSampleCount = 1;
    run.holding = run.source->getData(run.source->refCon, &p) == noErr && p.dataPtr && p.dataSize > 0 && p.desc;
    if (!run.holding) run.ended = true;
    return run.holding;
}

// Opens the track's encoder from the first sample's description.
OSErr OpenTrack(STrackRun& run, const SCompressionSettings& defaults, CMovieFileWriter& file, bool globalHeader)
{
    const SDataSource& s = *run.source;
    const std::string_view desc = HandleBytes(run.sample.desc);
    if (s.type == VideoMediaType) {
        if (desc.size() < sizeof(ImageDescription)) return badImageDescription;
        const auto* d = reinterpret_cast<const ImageDescription*>(desc.data());
        run.width = d->width;
        run.height = d->height;
        run.pixelSize = d->depth;
        SCompressionSettings settings = defaults;
        const SCSpatialSettings spatial = Property(s, scSpatialSettingsType, SCSpatialSettings{});
        if (spatial.codecType) settings.videoCodec = spatial.codecType;
        settings.quality = spatial.codecType ? spatial.spatialQuality : settings.quality;
        const SCTemporalSettings temporal = Property(s, scTemporalSettingsType, SCTemporalSettings{});
        if (temporal.frameRate > 0) settings.frameRate = temporal.frameRate;
        if (temporal.keyFrameRate > 0) settings.keyFrameRate = temporal.keyFrameRate;
        const SCDataRateSettings rate = Property(s, scDataRateSettingsType, SCDataRateSettings{});
        if (rate.dataRate > 0) settings.dataRate = rate.dataRate;
        if (!settings.videoCodec) return Fail(noCodecErr, "No video format was chosen for the export.");
        run.frameRate = settings.frameRate > 0 ? double(settings.frameRate) / fixed1 : 25.0;
        settings.frameRate = Fixed(std::lround(run.frameRate * fixed1));
        run.picture = std::make_unique<CPictureEncoder>();
        if (OSErr error = run.picture->Open(settings.videoCodec, run.width, run.height, run.pixelSize, settings,
                                            globalHeader))
            return error;
    } else {
        if (desc.size() < sizeof(SoundDescription)) return paramErr;
        const auto* d = reinterpret_cast<const SoundDescription*>(desc.data());
        run.channels = d->numChannels;
        run.rate = int(d->sampleRate >> 16);
        if (d->sampleSize != 16) return Fail(paramErr, "Only 16-bit sound is exported here.");
        SCompressionSettings settings = defaults;
        // A source that answers 0 leaves the choice to the exporter.
        auto take = [&](auto& field, OSType type) {
            if (const auto value = Property(s, type, decltype(+field){0})) field = value;
        };
        take(settings.soundFormat, scSoundCompressionType);
        take(settings.sampleRate, scSoundSampleRateType);
        take(settings.channels, scSoundChannelCountType);
        take(settings.soundBitRate, scSoundBitRateType);
        if (!settings.soundFormat) return Fail(noCodecErr, "No sound format was chosen for the export.");
        run.sound = std::make_unique<CSoundEncoder>();
        if (OSErr error = run.sound->Open(settings.soundFormat, run.rate, run.channels, settings, globalHeader))
            return error;
    }
    run.stream = file.AddStream(run.Session()->Context());
    return run.stream >= 0 ? noErr : memFullErr;
}

// Encodes the sample in hand and moves the track's clock past it.
OSErr EncodeHeld(STrackRun& run)
{
    const MovieExportGetDataParams& p = run.sample;
    run.holding = false;
    if (run.picture) {
        const int64_t rowBytes = run.height > 0 ? p.dataSize / run.height : 0;
        if (rowBytes < int64_t(run.width) * (run.pixelSize / 8)) return paramErr;
        const double seconds = p.sourceTimeScale > 0 ? double(p.actualTime) / p.sourceTimeScale : 0;
        const int64_t frame = std::max<int64_t>(std::llround(seconds * run.frameRate), run.lastFrame + 1);
        run.lastFrame = frame;
        run.next = p.actualTime + std::max<TimeValue>(p.durationPerSample, 1);
        return run.picture->Send(reinterpret_cast<const uint8_t*>(p.dataPtr), int(rowBytes), frame);
    }
    const int frameBytes = 2 * run.channels;
    const int samples = std::min<int64_t>(p.actualSampleCount, p.dataSize / frameBytes);
    run.next = p.actualTime + std::max(samples, 1);
    return run.sound->Send(reinterpret_cast<const uint8_t*>(p.dataPtr), samples);
}

} // namespace

ComponentInstanceRecord* NewMovieExporter(OSType fileType) { return new CMovieExporter(fileType); }

QT_EXPORT ComponentResult MovieExportAddDataSource(MovieExportComponent ci, OSType trackType, TimeScale scale,
                                                   int32_t* trackID, MovieExportGetPropertyUPP getPropertyProc,
                                                   MovieExportGetDataUPP getDataProc, void* refCon)
{
    CMovieExporter* e = Exporter(ci);
    if (!e) return badComponentInstance;
    if ((trackType != VideoMediaType && trackType != SoundMediaType) || scale <= 0 || !getDataProc) return paramErr;
    SDataSource source{trackType, scale, e->nextId++, getPropertyProc, getDataProc, refCon};
    e->sources.push_back(source);
    if (trackID) *trackID = source.id;
    return noErr;
}

QT_EXPORT ComponentResult MovieExportDisposeDataSource(MovieExportComponent ci, MovieExportGetPropertyUPP getPropertyProc,
                                                       MovieExportGetDataUPP getDataProc, void* refCon)
{
    CMovieExporter* e = Exporter(ci);
    if (!e) return badComponentInstance;
    std::erase_if(e->sources, [&](const SDataSource& s) {
        return s.getProperty == getPropertyProc && s.getData == getDataProc && (!refCon || s.refCon == refCon);
    });
    return noErr;
}

QT_EXPORT ComponentResult MovieExportDoUserDialog(MovieExportComponent ci, Movie, Track, TimeValue, TimeValue,
                                                  Boolean* canceled)
{
    if (!Exporter(ci)) return badComponentInstance;
    // No dialog here: the settings stay as they are, as if accepted.
    if (canceled) *canceled = 0;
    return noErr;
}

QT_EXPORT ComponentResult MovieExportSetSettingsFromAtomContainer(MovieExportComponent ci, QTAtomContainer settings)
{
    CMovieExporter* e = Exporter(ci);
    if (!e) return badComponentInstance;
    return e->settings.FromAtoms(HandleBytes(settings)) ? noErr : paramErr;
}

QT_EXPORT ComponentResult MovieExportGetSettingsAsAtomContainer(MovieExportComponent ci, QTAtomContainer* settings)
{
    CMovieExporter* e = Exporter(ci);
    if (!e) return badComponentInstance;
    if (!settings) return paramErr;
    *settings = e->settings.ToAtoms();
    return *settings ? noErr : memFullErr;
}

namespace {

OSErr ExportTo(CMovieExporter& exporter, const std::string& path, const char* container)
{
    CMovieExporter* e = &exporter;
    std::vector<STrackRun> runs(e->sources.size());
    for (size_t i = 0; i < runs.size(); ++i) runs[i].source = &e->sources[i];
    CMovieFileWriter file;
    if (OSErr error = file.Open(path, container)) return error;
    const bool globalHeader = NeedsGlobalHeader(container);
    bool any = false;
    for (STrackRun& run : runs) {
        if (!Pull(run)) continue;
        if (OSErr error = OpenTrack(run, e->settings, file, globalHeader)) return error;
        any = true;
    }
    if (!any) return Fail(eofErr, "No track gave a sample to export.");
    if (OSErr error = file.Begin()) return error;
    while (true) {
        // The track that lags the most goes next, so that the file interleaves.
        STrackRun* next = nullptr;
        for (STrackRun& run : runs)
            if (!run.ended && run.Session() && (!next || run.Seconds() < next->Seconds())) next = &run;
        if (!next) break;
        if (!next->holding && !Pull(*next)) {
            if (next->sound)
                next->sound->Finish();
            else
                next->Session()->Flush();
        } else if (OSErr error = EncodeHeld(*next)) {
            return error;
        }
        if (OSErr error = file.Drain(*next->Session(), next->stream)) return error;
    }
    return file.End();
}

} // namespace

QT_EXPORT ComponentResult MovieExportFromProceduresToDataRef(MovieExportComponent ci, Handle dataRef, OSType dataRefType)
{
    CMovieExporter* e = Exporter(ci);
    if (!e) return badComponentInstance;
    const std::string path(HandleBytes(dataRef));
    const char* container = ContainerFor(e->subType);
    if (dataRefType != rAliasType || path.empty() || !container) return paramErr;
    const OSErr error = ExportTo(*e, path, container);
    // A failed export leaves no half-written file.
    if (error != noErr) std::remove(path.c_str());
    return error;
}
