// Movies made in memory and written as a file: tracks of picture media whose compressed
// samples are added one by one, each track placed in the movie by its edit.
#include "quicktime/QuickTimeEncoding.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstring>
#include <memory>
#include <string>
#include <vector>

struct MediaRecord {
    struct SSample {
        std::string bytes;
        TimeValue time = 0;
        TimeValue duration = 0;
        int16_t flags = 0;
        size_t description = 0;
    };
    OSType type = 0;
    TimeScale scale = 0;
    std::vector<SSample> samples;
    std::vector<std::string> descriptions;
    TimeValue duration = 0;
};

struct TrackRecord {
    MovieRecord* movie = nullptr;
    MatrixRecord matrix{{{fixed1, 0, 0}, {0, fixed1, 0}, {0, 0, 1 << 30}}};
    Fixed width = 0, height = 0;
    std::unique_ptr<MediaRecord> media;
    bool inserted = false;
    TimeValue start = 0; // movie time
};

struct MovieRecord {
    std::string path;
    TimeScale scale = 600;
    std::vector<std::unique_ptr<TrackRecord>> tracks;
};

namespace {

thread_local OSErr tMoviesError = noErr;

OSErr Result(OSErr error)
{
    tMoviesError = error;
    return error;
}

const char* ContainerForPath(const std::string& path)
{
    const size_t dot = path.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    if (extension == "mp4" || extension == "m4v") return "mp4";
    if (extension == "3gp" || extension == "3g2") return "3gp";
    return "mov";
}

OSErr WriteMovie(const MovieRecord& movie)
{
    CMovieFileWriter file;
    if (OSErr error = file.Open(movie.path, ContainerForPath(movie.path))) return error;
    struct SPlaced {
        const TrackRecord* track;
        int stream;
        int64_t offset; // media ticks before the first sample
    };
    std::vector<SPlaced> placed;
    for (const auto& track : movie.tracks) {
        const MediaRecord* media = track->media.get();
        if (!track->inserted || !media || media->type != VideoMediaType || media->samples.empty()) continue;
        const std::string& description = media->descriptions[media->samples.front().description];
        const auto* d = reinterpret_cast<const ImageDescription*>(description.data());
        const int codec = CodecIdFor(d->cType);
        if (!codec) return Fail(noCodecErr, "QuickTime has no codec for the format " + FormatText(d->cType) + " here.");
        const std::string extra = description.substr(sizeof(ImageDescription),
                                                     size_t(std::max<int32_t>(d->idSize, sizeof(ImageDescription))) -
                                                         sizeof(ImageDescription));
        const int stream = file.AddStream(codec, true, d->width, d->height, extra, media->scale);
        if (stream < 0) return memFullErr;
        const int64_t offset = int64_t(track->start) * media->scale / movie.scale;
        placed.push_back({track.get(), stream, offset});
    }
    if (placed.empty()) return Fail(invalidTrack, "The movie has no track to write.");
    if (OSErr error = file.Begin()) return error;
    AVPacket* packet = av_packet_alloc();
    OSErr error = noErr;
    for (const SPlaced& p : placed) {
        const MediaRecord& media = *p.track->media;
        for (const auto& sample : media.samples) {
            if (av_new_packet(packet, int(sample.bytes.size())) < 0) {
                error = memFullErr;
                break;
            }
            std::memcpy(packet->data, sample.bytes.data(), sample.bytes.size());
            packet->pts = packet->dts = p.offset + sample.time;
            packet->duration = sample.duration;
            if (!(sample.flags & mediaSampleNotSync)) packet->flags |= AV_PKT_FLAG_KEY;
            error = file.Write(packet, p.stream, 1, media.scale);
            av_packet_unref(packet);
            if (error) break;
        }
        if (error) break;
    }
    av_packet_free(&packet);
    const OSErr ended = file.End();
    return error ? error : ended;
}

} // namespace

QT_EXPORT OSErr CreateMovieFile(const FSSpec* spec, OSType, int16_t, int32_t, int16_t* resRefNum, Movie* movie)
{
    if (!spec || !movie || spec->name[0] == 0) return Result(paramErr);
    auto* made = new MovieRecord;
    made->path.assign(reinterpret_cast<const char*>(spec->name + 1), spec->name[0]);
    *movie = made;
    if (resRefNum) *resRefNum = 1;
    return Result(noErr);
}

QT_EXPORT OSErr AddMovieResource(Movie movie, int16_t, int16_t* resId, const unsigned char*)
{
    if (!movie) return Result(paramErr);
    if (resId) *resId = 128;
    return Result(WriteMovie(*movie));
}

QT_EXPORT OSErr CloseMovieFile(int16_t) { return Result(noErr); }

QT_EXPORT void DisposeMovie(Movie movie) { delete movie; }

QT_EXPORT TimeScale GetMovieTimeScale(Movie movie) { return movie ? movie->scale : 0; }

QT_EXPORT Track NewMovieTrack(Movie movie, Fixed width, Fixed height, int16_t)
{
    if (!movie) {
        Result(paramErr);
        return nullptr;
    }
    auto track = std::make_unique<TrackRecord>();
    track->movie = movie;
    track->width = width;
    track->height = height;
    movie->tracks.push_back(std::move(track));
    Result(noErr);
    return movie->tracks.back().get();
}

QT_EXPORT void DisposeMovieTrack(Track track)
{
    if (!track) return;
    std::erase_if(track->movie->tracks, [&](const auto& t) { return t.get() == track; });
}

QT_EXPORT Media NewTrackMedia(Track track, OSType mediaType, TimeScale scale, Handle, OSType)
{
    if (!track || scale <= 0 || track->media) {
        Result(track ? paramErr : invalidTrack);
        return nullptr;
    }
    track->media = std::make_unique<MediaRecord>();
    track->media->type = mediaType;
    track->media->scale = scale;
    Result(noErr);
    return track->media.get();
}

QT_EXPORT void DisposeTrackMedia(Media) {}

QT_EXPORT OSErr BeginMediaEdits(Media media) { return Result(media ? noErr : invalidMedia); }

QT_EXPORT OSErr EndMediaEdits(Media media) { return Result(media ? noErr : invalidMedia); }

QT_EXPORT TimeValue GetMediaDuration(Media media) { return media ? media->duration : 0; }

QT_EXPORT OSErr InsertMediaIntoTrack(Track track, TimeValue trackStart, TimeValue, TimeValue, Fixed)
{
    if (!track || !track->media) return Result(invalidTrack);
    if (trackStart < 0) return Result(paramErr);
    track->inserted = true;
    track->start = trackStart;
    return Result(noErr);
}

QT_EXPORT OSErr AddMediaSample(Media media, Handle data, int32_t offset, uint32_t size, TimeValue durationPerSample,
                               SampleDescriptionHandle description, int32_t numberOfSamples, int16_t flags,
                               TimeValue* sampleTime)
{
    if (!media) return Result(invalidMedia);
    const std::string_view bytes = HandleBytes(data);
    const std::string_view desc = HandleBytes(description);
    if (offset < 0 || size == 0 || uint64_t(offset) + size > bytes.size() || durationPerSample <= 0 ||
        numberOfSamples <= 0 || desc.size() < sizeof(ImageDescription))
        return Result(paramErr);
    MediaRecord::SSample sample;
    sample.bytes.assign(bytes.substr(size_t(offset), size));
    sample.time = media->duration;
    sample.duration = durationPerSample * numberOfSamples;
    sample.flags = flags;
    if (media->descriptions.empty() || media->descriptions.back() != desc) media->descriptions.emplace_back(desc);
    sample.description = media->descriptions.size() - 1;
    media->duration += sample.duration;
    media->samples.push_back(std::move(sample));
    if (sampleTime) *sampleTime = media->samples.back().time;
    return Result(noErr);
}

QT_EXPORT OSErr GetMoviesError() { return tMoviesError; }

QT_EXPORT void GetTrackMatrix(Track track, MatrixRecord* matrix)
{
    if (track && matrix) *matrix = track->matrix;
}

QT_EXPORT void SetTrackMatrix(Track track, const MatrixRecord* matrix)
{
    if (!track) return;
    track->matrix = matrix ? *matrix : TrackRecord().matrix;
}

QT_EXPORT int16_t GetMatrixType(const MatrixRecord* matrix)
{
    if (!matrix) return 0;
    const auto& m = matrix->matrix;
    if (m[0][2] != 0 || m[1][2] != 0 || m[2][2] != (1 << 30)) return 6; // perspective
    const bool translated = m[2][0] != 0 || m[2][1] != 0;
    if (m[0][1] != 0 || m[1][0] != 0) return translated ? 5 : 4; // rotation or skew
    const bool scaled = m[0][0] != fixed1 || m[1][1] != fixed1;
    return int16_t((scaled ? 2 : 0) | (translated ? 1 : 0));
}

QT_EXPORT Media GetTrackMedia(Track track) { return track ? track->media.get() : nullptr; }

QT_EXPORT int32_t GetMediaSampleDescriptionCount(Media media)
{
    return media ? int32_t(media->descriptions.size()) : 0;
}

QT_EXPORT void GetMediaSampleDescription(Media media, int32_t index, SampleDescriptionHandle description)
{
    if (!media || !description || index < 1 || size_t(index) > media->descriptions.size()) {
        Result(paramErr);
        return;
    }
    const std::string& bytes = media->descriptions[size_t(index) - 1];
    SetHandleSize(description, int32_t(bytes.size()));
    if (GetHandleSize(description) != int32_t(bytes.size())) {
        Result(memFullErr);
        return;
    }
    std::memcpy(*description, bytes.data(), bytes.size());
    Result(noErr);
}
