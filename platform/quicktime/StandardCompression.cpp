// The standard image and sound compressors: settings read and written by type, a settings
// state as an atom container, and sequence compression of pictures through FFmpeg. There
// is no settings dialog on this system: a request for one keeps the settings as they are.
#include "quicktime/QuickTimeEncoding.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstring>
#include <algorithm>
#include <memory>

namespace {

struct CStandardCompressor : ComponentInstanceRecord {
    ~CStandardCompressor() override { EndSequence(); }
    void EndSequence()
    {
        sequence.reset();
        DisposeHandle(description);
        DisposeHandle(data);
        description = data = nullptr;
        frames = 0;
    }

    SCompressionSettings settings;
    std::unique_ptr<CPictureEncoder> sequence;
    ImageDescriptionHandle description = nullptr;
    Handle data = nullptr;
    int64_t frames = 0;
};

CStandardCompressor* Compressor(ComponentInstance ci)
{
    return dynamic_cast<CStandardCompressor*>(ci);
}

// The picture's rows, its size and bits a pixel; false when the rectangle leaves the picture.
bool Picture(PixMapHandle src, const Rect* rect, const uint8_t*& rows, int& width, int& height)
{
    if (!src || !*src || !(*src)->baseAddr) return false;
    const PixMap& map = **src;
    const Rect r = rect ? *rect : map.bounds;
    if (r.left < map.bounds.left || r.top < map.bounds.top || r.right > map.bounds.right ||
        r.bottom > map.bounds.bottom || r.right <= r.left || r.bottom <= r.top)
        return false;
    width = r.right - r.left;
    height = r.bottom - r.top;
    rows = reinterpret_cast<const uint8_t*>(map.baseAddr) + int64_t(r.top - map.bounds.top) * map.rowBytes +
           (r.left - map.bounds.left) * (map.pixelSize / 8);
    return true;
}

} // namespace

ComponentInstanceRecord* NewStandardCompressor(OSType) { return new CStandardCompressor; }

QT_EXPORT ComponentResult SCGetInfo(ComponentInstance ci, OSType type, void* info)
{
    CStandardCompressor* c = Compressor(ci);
    if (!c) return badComponentInstance;
    if (!info) return paramErr;
    const SCompressionSettings& s = c->settings;
    switch (type) {
    case scSpatialSettingsType: *static_cast<SCSpatialSettings*>(info) = {s.videoCodec, nullptr, 0, s.quality}; break;
    case scTemporalSettingsType:
        *static_cast<SCTemporalSettings*>(info) = {s.temporalQuality, s.frameRate, s.keyFrameRate};
        break;
    case scDataRateSettingsType:
        *static_cast<SCDataRateSettings*>(info) = {s.dataRate, s.frameDuration, s.quality, s.temporalQuality};
        break;
    case scSettingsStateType: *static_cast<Handle*>(info) = s.ToAtoms(); break;
    case scSoundCompressionType: *static_cast<OSType*>(info) = s.soundFormat; break;
    case scSoundSampleRateType: *static_cast<uint32_t*>(info) = s.sampleRate; break;
    case scSoundChannelCountType: *static_cast<int16_t*>(info) = s.channels; break;
    case scSoundSampleSizeType: *static_cast<int16_t*>(info) = s.sampleSize; break;
    case scSoundBitRateType: *static_cast<int32_t*>(info) = s.soundBitRate; break;
    case scSoundVBRType: *static_cast<Boolean*>(info) = 0; break;
    default: return badComponentSelector;
    }
    return noErr;
}

QT_EXPORT ComponentResult SCSetInfo(ComponentInstance ci, OSType type, void* info)
{
    CStandardCompressor* c = Compressor(ci);
    if (!c) return badComponentInstance;
    if (!info) return paramErr;
    SCompressionSettings& s = c->settings;
    switch (type) {
    case scSpatialSettingsType: {
        const auto& v = *static_cast<const SCSpatialSettings*>(info);
        s.videoCodec = v.codecType;
        s.quality = std::clamp(v.spatialQuality, 0, 1023);
        break;
    }
    case scTemporalSettingsType: {
        const auto& v = *static_cast<const SCTemporalSettings*>(info);
        s.temporalQuality = std::clamp(v.temporalQuality, 0, 1023);
        s.frameRate = v.frameRate;
        s.keyFrameRate = std::max(v.keyFrameRate, 0);
        break;
    }
    case scDataRateSettingsType: {
        const auto& v = *static_cast<const SCDataRateSettings*>(info);
        s.dataRate = std::max(v.dataRate, 0);
        s.frameDuration = std::max(v.frameDuration, 0);
        break;
    }
    case scSettingsStateType: {
        SCompressionSettings read = s;
        if (!read.FromAtoms(HandleBytes(*static_cast<Handle*>(info)))) return paramErr;
        s = read;
        break;
    }
    case scSoundCompressionType: s.soundFormat = *static_cast<const OSType*>(info); break;
    case scSoundSampleRateType: s.sampleRate = *static_cast<const uint32_t*>(info); break;
    case scSoundChannelCountType: s.channels = *static_cast<const int16_t*>(info); break;
    case scSoundSampleSizeType: s.sampleSize = *static_cast<const int16_t*>(info); break;
    case scSoundBitRateType: s.soundBitRate = *static_cast<const int32_t*>(info); break;
    default: return badComponentSelector;
    }
    return noErr;
}

QT_EXPORT ComponentResult SCSetSettingsFromAtomContainer(ComponentInstance ci, QTAtomContainer settings)
{
    CStandardCompressor* c = Compressor(ci);
    if (!c) return badComponentInstance;
    return c->settings.FromAtoms(HandleBytes(settings)) ? noErr : paramErr;
}

QT_EXPORT ComponentResult SCRequestSequenceSettings(ComponentInstance ci)
{
    return Compressor(ci) ? noErr : badComponentInstance;
}

QT_EXPORT ComponentResult SCCompressSequenceBegin(ComponentInstance ci, PixMapHandle src, const Rect* srcRect,
                                                  ImageDescriptionHandle* desc)
{
    CStandardCompressor* c = Compressor(ci);
    if (!c) return badComponentInstance;
    const uint8_t* rows = nullptr;
    int width = 0, height = 0;
    if (!Picture(src, srcRect, rows, width, height)) return paramErr;
    c->EndSequence();
    auto encoder = std::make_unique<CPictureEncoder>();
    if (OSErr error = encoder->Open(c->settings.videoCodec, width, height, (*src)->pixelSize, c->settings, true))
        return error;
    const AVCodecContext* context = encoder->Context();
    const int32_t extra = context->extradata_size > 0 ? context->extradata_size : 0;
    c->description = NewHandleClear(int32_t(sizeof(ImageDescription)) + extra);
    if (!c->description) return memFullErr;
    auto* d = reinterpret_cast<ImageDescription*>(*c->description);
    d->idSize = int32_t(sizeof(ImageDescription)) + extra;
    d->cType = c->settings.videoCodec;
    d->spatialQuality = c->settings.quality;
    d->temporalQuality = c->settings.temporalQuality;
    d->width = int16_t(width);
    d->height = int16_t(height);
    d->hRes = d->vRes = 72 * fixed1;
    d->frameCount = 1;
    d->depth = 24;
    d->clutID = -1;
    if (extra) std::memcpy(*c->description + sizeof(ImageDescription), context->extradata, size_t(extra));
    c->sequence = std::move(encoder);
    if (desc) *desc = c->description;
    return noErr;
}

QT_EXPORT ComponentResult SCCompressSequenceFrame(ComponentInstance ci, PixMapHandle src, const Rect* srcRect,
                                                  Handle* data, int32_t* dataSize, int16_t* notSyncFlag)
{
    CStandardCompressor* c = Compressor(ci);
    if (!c) return badComponentInstance;
    if (!c->sequence) return paramErr;
    const uint8_t* rows = nullptr;
    int width = 0, height = 0;
    if (!Picture(src, srcRect, rows, width, height) || width != c->sequence->Context()->width ||
        height != c->sequence->Context()->height)
        return paramErr;
    if (OSErr error = c->sequence->Send(rows, (*src)->rowBytes, c->frames++)) return error;
    AVPacket* packet = av_packet_alloc();
    const bool got = c->sequence->Receive(packet);
    if (got) {
        if (!c->data) c->data = NewHandle(0);
        SetHandleSize(c->data, packet->size);
        if (c->data && GetHandleSize(c->data) == packet->size) std::memcpy(*c->data, packet->data, size_t(packet->size));
    }
    const bool key = got && (packet->flags & AV_PKT_FLAG_KEY);
    const int32_t size = got ? packet->size : 0;
    av_packet_free(&packet);
    if (!got) return codecErr;
    if (data) *data = c->data;
    if (dataSize) *dataSize = size;
    if (notSyncFlag) *notSyncFlag = key ? 0 : mediaSampleNotSync;
    return noErr;
}

QT_EXPORT ComponentResult SCCompressSequenceEnd(ComponentInstance ci)
{
    CStandardCompressor* c = Compressor(ci);
    if (!c) return badComponentInstance;
    c->EndSequence();
    return noErr;
}
