#include "dshow/transforms/VideoScaling.h"

#include "dshow/VideoInfo.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

VideoPicture PictureOf(const VIDEOINFOHEADER& info, BYTE* data)
{
    VideoPicture picture;
    picture.data = data;
    picture.width = info.bmiHeader.biWidth;
    picture.height = std::abs(info.bmiHeader.biHeight);
    picture.bits = info.bmiHeader.biBitCount;
    picture.stride = (picture.width * picture.bits / 8 + 3) & ~3;
    picture.bottomUp = info.bmiHeader.biHeight > 0;
    return picture;
}

size_t PictureBytes(const VIDEOINFOHEADER& info)
{
    const VideoPicture picture = PictureOf(info, nullptr);
    return std::max<size_t>(info.bmiHeader.biSizeImage, size_t(picture.stride) * size_t(picture.height));
}

namespace {

std::atomic<VideoScaleRoutine> gRoutine{nullptr};

BYTE* RowAt(const VideoPicture& p, LONG y)
{
    return p.data + size_t(p.bottomUp ? p.height - 1 - y : y) * size_t(p.stride);
}

// The canvas point shown at an output point (both from the top left) under the rotation.
void Unrotate(LONG rotation, LONG x, LONG y, LONG canvasWidth, LONG canvasHeight, LONG& cx, LONG& cy)
{
    switch (rotation) {
    case 1: cx = canvasWidth - 1 - y; cy = x; break;  // right column on top
    case 2: cx = y; cy = canvasHeight - 1 - x; break; // left column, read upwards, on top
    case 3: cx = canvasWidth - 1 - x; cy = canvasHeight - 1 - y; break;
    default: cx = x; cy = y; break;
    }
}

} // namespace

void DShowSetVideoScaleRoutine(VideoScaleRoutine routine) { gRoutine = routine; }

VideoScaleRoutine DShowVideoScaleRoutine()
{
    VideoScaleRoutine routine = gRoutine;
    return routine ? routine : &BuiltInVideoScale;
}

bool BuiltInVideoScale(const VideoScaleSettings& s, const VideoPicture& in, const VideoPicture& out)
{
    if (!in.data || !out.data || in.width <= 0 || in.height <= 0 || out.width <= 0 || out.height <= 0) return false;
    if ((in.bits != 24 && in.bits != 32) || (out.bits != 24 && out.bits != 32)) return false;
    // The part of the input shown.
    LONG sx = std::clamp<LONG>(s.cropLeft, 0, in.width - 1), sy = std::clamp<LONG>(s.cropTop, 0, in.height - 1);
    LONG sw = s.cropWidth > 0 ? std::min(s.cropWidth, in.width - sx) : in.width - sx;
    LONG sh = s.cropHeight > 0 ? std::min(s.cropHeight, in.height - sy) : in.height - sy;
    // The picture before it is turned: a quarter turn exchanges its sides.
    const bool quarter = s.rotation == 1 || s.rotation == 2;
    const LONG tw = quarter ? out.height : out.width, th = quarter ? out.width : out.height;
    double source = s.inAspect > 0 ? s.inAspect : double(sw) / double(sh);
    double target = s.outAspect > 0 ? (quarter ? 1 / s.outAspect : s.outAspect) : double(tw) / double(th);
    LONG cx = 0, cy = 0, cw = tw, ch = th;
    if (s.keepAspect && s.scaling == 1) { // pan-and-scan: the middle of the input fills the output
        if (source > target) {
            LONG w = std::max<LONG>(1, std::lround(sw * target / source));
            sx += (sw - w) / 2;
            sw = w;
        } else {
            LONG h = std::max<LONG>(1, std::lround(sh * source / target));
            sy += (sh - h) / 2;
            sh = h;
        }
    } else if (s.keepAspect && s.scaling == 2) { // letter-box: all of the input, bars around it
        if (source > target) {
            ch = std::max<LONG>(1, std::lround(th * target / source));
            cy = (th - ch) / 2;
        } else {
            cw = std::max<LONG>(1, std::lround(tw * source / target));
            cx = (tw - cw) / 2;
        }
    }
    std::vector<BYTE> canvas(size_t(tw) * size_t(th) * 4, 0);
    SwsContext* sws = sws_getContext(sw, sh, in.bits == 32 ? AV_PIX_FMT_BGR0 : AV_PIX_FMT_BGR24, cw, ch,
                                     AV_PIX_FMT_BGR0, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!sws) return false;
    const uint8_t* src[1] = {RowAt(in, sy) + size_t(sx) * (in.bits / 8)};
    int srcStride[1] = {in.bottomUp ? -int(in.stride) : int(in.stride)};
    uint8_t* dst[1] = {canvas.data() + (size_t(cy) * size_t(tw) + size_t(cx)) * 4};
    int dstStride[1] = {int(tw * 4)};
    sws_scale(sws, src, srcStride, 0, sh, dst, dstStride);
    sws_freeContext(sws);

    const int outBytes = out.bits / 8;
    for (LONG y = 0; y < out.height; ++y) {
        BYTE* row = RowAt(out, y);
        for (LONG x = 0; x < out.width; ++x) {
            LONG fx = s.flip == 1 ? out.width - 1 - x : x, fy = s.flip == 2 ? out.height - 1 - y : y;
            LONG px, py;
            Unrotate(s.rotation, fx, fy, tw, th, px, py);
            const BYTE* p = canvas.data() + (size_t(py) * size_t(tw) + size_t(px)) * 4;
            BYTE* o = row + size_t(x) * outBytes;
            if (s.grey) {
                BYTE luma = BYTE((p[2] * 77 + p[1] * 150 + p[0] * 29) >> 8);
                o[0] = o[1] = o[2] = luma;
            } else {
                o[0] = p[0];
                o[1] = p[1];
                o[2] = p[2];
            }
            if (outBytes == 4) o[3] = 0xFF;
        }
    }
    return true;
}
