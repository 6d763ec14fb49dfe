#include "dshow/formats/ImageFile.h"

#include "dshow/VideoInfo.h"
#include "dshow/transforms/VideoScaling.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
}

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kDefaultQuality = 90;

LONG StrideOf(LONG width, WORD bits) { return (width * bits / 8 + 3) & ~3; }

bool WriteAll(const char* path, const std::vector<BYTE>& head, const BYTE* body, size_t bodySize)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path, "wb"), &std::fclose);
    if (!file) return false;
    bool ok = std::fwrite(head.data(), 1, head.size(), file.get()) == head.size()
        && (bodySize == 0 || std::fwrite(body, 1, bodySize, file.get()) == bodySize);
    return std::fclose(file.release()) == 0 && ok;
}

// The file header a packed bitmap needs in front of it to be a BMP file.
std::vector<BYTE> BmpHeader(LONG size)
{
    std::vector<BYTE> head(14, 0);
    const DWORD total = DWORD(14 + size), offset = 14 + sizeof(BITMAPINFOHEADER);
    head[0] = 'B';
    head[1] = 'M';
    std::memcpy(&head[2], &total, 4);
    std::memcpy(&head[10], &offset, 4);
    return head;
}

// Encodes the picture with a still-image codec of the codec library.
HRESULT EncodeCoded(const VideoPicture& picture, AVCodecID id, AVPixelFormat format, int quality, std::vector<BYTE>& bytes)
{
    const AVCodec* codec = avcodec_find_encoder(id);
    if (!codec) return VFW_E_NO_ACCEPTABLE_TYPES;
    AVCodecContext* context = avcodec_alloc_context3(codec);
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    HRESULT hr = context && frame && packet ? S_OK : E_OUTOFMEMORY;
    if (SUCCEEDED(hr)) {
        context->width = picture.width;
        context->height = picture.height;
        context->pix_fmt = format;
        context->time_base = AVRational{1, 25};
        if (id == AV_CODEC_ID_MJPEG) {
            context->flags |= AV_CODEC_FLAG_QSCALE;
            context->global_quality = (2 + (100 - quality) * 29 / 99) * FF_QP2LAMBDA;
        }
        frame->format = format;
        frame->width = picture.width;
        frame->height = picture.height;
        if (avcodec_open2(context, codec, nullptr) < 0 || av_frame_get_buffer(frame, 0) < 0) hr = E_FAIL;
    }
    if (SUCCEEDED(hr)) {
        SwsContext* sws = sws_getContext(picture.width, picture.height, picture.bits == 32 ? AV_PIX_FMT_BGR0 : AV_PIX_FMT_BGR24,
                                         picture.width, picture.height, format, SWS_BILINEAR, nullptr, nullptr, nullptr);
        const uint8_t* rows[1] = {picture.data + (picture.bottomUp ? size_t(picture.height - 1) * size_t(picture.stride) : 0)};
        int strides[1] = {picture.bottomUp ? -int(picture.stride) : int(picture.stride)};
        if (!sws) hr = E_FAIL;
        else sws_scale(sws, rows, strides, 0, picture.height, frame->data, frame->linesize);
        sws_freeContext(sws);
    }
    bytes.clear();
    if (SUCCEEDED(hr) && avcodec_send_frame(context, frame) >= 0 && avcodec_send_frame(context, nullptr) >= 0) {
        while (avcodec_receive_packet(context, packet) >= 0) {
            bytes.insert(bytes.end(), packet->data, packet->data + packet->size);
            av_packet_unref(packet);
        }
    }
    if (SUCCEEDED(hr) && bytes.empty()) hr = E_FAIL;
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&context);
    return hr;
}

} // namespace

std::vector<BYTE> PackBitmap(const VideoPicture& picture)
{
    const LONG stride = StrideOf(picture.width, picture.bits);
    std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + size_t(stride) * size_t(picture.height));
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = picture.height;
    header.biPlanes = 1;
    header.biBitCount = picture.bits;
    header.biSizeImage = DWORD(stride) * DWORD(picture.height);
    std::memcpy(dib.data(), &header, sizeof header);
    for (LONG y = 0; y < picture.height; ++y) { // bottom row first
        LONG from = picture.bottomUp ? y : picture.height - 1 - y;
        std::memcpy(dib.data() + sizeof header + size_t(y) * size_t(stride),
                    picture.data + size_t(from) * size_t(picture.stride), size_t(std::min(stride, picture.stride)));
    }
    return dib;
}

bool ReadBitmap(const BYTE* dib, LONG size, VideoPicture& picture)
{
    if (!dib || size < LONG(sizeof(BITMAPINFOHEADER))) return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, dib, sizeof header);
    if (header.biSize < sizeof header || header.biSize > DWORD(size) || (header.biBitCount != 24 && header.biBitCount != 32)
        || header.biCompression != 0 || header.biWidth <= 0 || header.biWidth > kMaxVideoSide || header.biHeight == 0
        || header.biHeight > kMaxVideoSide || header.biHeight < -kMaxVideoSide)
        return false;
    picture.width = header.biWidth;
    picture.height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    picture.bits = header.biBitCount;
    picture.stride = StrideOf(picture.width, picture.bits);
    picture.bottomUp = header.biHeight > 0;
    if (int64_t(size) - header.biSize < int64_t(picture.stride) * picture.height) return false;
    picture.data = const_cast<BYTE*>(dib) + header.biSize;
    return true;
}

HRESULT EncodeImageFile(const VideoPicture& picture, LONG kind, LONG quality, std::vector<BYTE>& file)
{
    if (quality < 1 || quality > 100) quality = kDefaultQuality;
    switch (kind) {
    case kImageGif: return EncodeCoded(picture, AV_CODEC_ID_GIF, AV_PIX_FMT_BGR8, quality, file);
    case kImageJpeg: return EncodeCoded(picture, AV_CODEC_ID_MJPEG, AV_PIX_FMT_YUVJ420P, quality, file);
    default: {
        // A BMP file holds the bitmap with a plain header, bottom-up.
        const std::vector<BYTE> packed = PackBitmap(picture);
        file = BmpHeader(LONG(packed.size()));
        file.insert(file.end(), packed.begin(), packed.end());
        return S_OK;
    }
    }
}

HRESULT WriteImageFile(const BYTE* dib, LONG size, const char* path, LONG kind, LONG quality)
{
    VideoPicture picture;
    if (!path || !*path) return E_INVALIDARG;
    if (!ReadBitmap(dib, size, picture)) return E_INVALIDARG;
    std::vector<BYTE> file;
    const HRESULT hr = EncodeImageFile(picture, kind, quality, file);
    if (FAILED(hr)) return hr;
    return WriteAll(path, file, nullptr, 0) ? S_OK : STG_E_ACCESSDENIED;
}
