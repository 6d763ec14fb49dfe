#include "CFormatDecision.h"

#include "CMediaFile2.h"
#include "CTargetConversion.h"
#include "CTargetDecisions.h"
#include "CVideoTrack.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace {

constexpr ULONG kLeastVideoBitrate = 160000;
constexpr double kFrameRateLadder[] = {0, 1, 2, 3, 4, 5, 8, 10, 12, 15, 16, 20, 24, 25, 29.97, 30, 40, 50, 59.94, 60};

// Sizes are 16-bit: out-of-range and NaN values must not be converted unchecked.
unsigned short Size16(double value)
{
    if (!(value > 0)) return 0;
    return value >= 65535 ? 65535 : static_cast<unsigned short>(value);
}

unsigned short Round16(double value) { return Size16(value + 0.5); }

// A picture of no usable shape is taken to fill the frame.
double UsableAspect(double aspect, unsigned short width, unsigned short height)
{
    if (aspect > 0 && std::isfinite(aspect)) return aspect;
    return width && height ? static_cast<double>(width) / height : 1.0;
}

ULONG ShownArea(unsigned short width, unsigned short height, double aspect)
{
    aspect = UsableAspect(aspect, width, height);
    if (width > height * aspect) return static_cast<ULONG>(Round16(height * aspect)) * height;
    return static_cast<ULONG>(width) * Round16(width / aspect);
}

} // namespace

unsigned char CFormatDecision::GetQuality() { return 100; }

ULONG CFormatDecision::GetMaxVideoBitrate() { return 800000; }

ULONG CFormatDecision::GetMaxAudioBitrate() { return 160000; }

CTargetConversion* CFormatDecision::FindTarget(CMediaFile2* input, CMediaOutput2* output)
{
    if (!CTargetDecisions::sDecisions || !input || !output) return nullptr;
    bool video = input->GetSelectedVideo() && output->GetWantsVideo();
    return CTargetDecisions::sDecisions->FindTarget(m_platform, video ? kMediaTypeVideo : kMediaTypeAudio);
}

void CFormatDecision::ConfigureVideoFormat(CTargetConversion* preset, CVideoTrack* track, CMediaOutput2* output)
{
    if (!preset || !track || !output) return;
    CVideoOutput2& video = *output->GetVideoOutput(0);
    CVideoOutput2& presetVideo = *preset->GetVideoOutput(0);
    video = presetVideo;

    CAspectRatioInfo2& ratio = track->GetAspectRatio();
    ratio.SetOutput(ratio.GetInput());
    ratio.SetScaling(kScaleToFit);

    unsigned short width = track->GetVideoInfo().GetWidth();
    unsigned short height = track->GetVideoInfo().GetHeight();
    double aspect = ratio.GetInput();
    double rate = track->GetVideoInfo().GetFrameRate();
    bool rotated = false;
    FindBestFitVideo(*preset, width, height, aspect, rotated);

    ratio.SetOutput(aspect);
    ratio.SetScaling(preset->GetAspectRatio().GetScaling());
    track->GetTransformation().SetFlip(kImageFlipNone);
    track->GetTransformation().SetRotate(rotated ? kImageRotationRight : kImageRotationNone);

    video.GetVideoInfo().SetWidth(width);
    video.GetVideoInfo().SetHeight(height);
    FindBestFrameRate(*preset, rate);
    video.GetVideoInfo().SetFrameRate(rate);
    video.SetEncoderControl(presetVideo.GetEncoderControl());
    video.SetQuality(presetVideo.GetQuality());

    if (presetVideo.GetEncoderControl() == 1) {
        video.SetQuality(CalculateQuality(*preset, GetQuality()));
        return;
    }

    // The share of the preset's picture and frame rate this output fills; a preset
    // without a pixel count or frame rate is taken as filled.
    double pixels = preset->GetMaxVideoPixels();
    double presetRate = presetVideo.GetVideoInfo().GetFrameRate();
    double share = (pixels > 0 ? width * static_cast<double>(height) / pixels : 1.0) *
                   (presetRate > 0 ? rate / presetRate : 1.0);
    double quality = GetQuality();
    double maxVideo = GetMaxVideoBitrate();
    // 64-bit: the 32-bit original wraps on absurd limits.
    long long upper = static_cast<long long>(quality * (maxVideo - kLeastVideoBitrate) * share * 0.01 + 0.5) +
                      kLeastVideoBitrate;
    long long audio = output->GetWantsAudio() ? output->GetAudioOutput(0)->GetBitrate() : 0;
    long long room = static_cast<long long>(GetMaxVideoBitrate()) - audio;
    long long lower = static_cast<long long>(quality * kLeastVideoBitrate * share * 0.01 + 0.5);
    long long bitrate = std::clamp<long long>(std::min(upper, std::max(room, lower)), 0, 0xFFFFFFFFLL);
    video.SetBitrate(static_cast<ULONG>(bitrate));
}

double CFormatDecision::RoundUpFrameRate(double rate)
{
    for (size_t i = 0; i + 1 < std::size(kFrameRateLadder); ++i)
        rate = CheckFrameRate(rate, kFrameRateLadder[i], kFrameRateLadder[i + 1]);
    return rate;
}

void CFormatDecision::FindBestFitAudio(CTargetConversion& preset, ULONG& sampleRate, unsigned short& channels)
{
    ULONG most = preset.GetAudioOutput(0)->GetAudioInfo().GetSampleRate();
    ULONG least = preset.GetMinAudioOutput().GetAudioInfo().GetSampleRate();
    sampleRate = std::max(std::min(sampleRate, most), least);
    if (preset.GetDiscreteAudio()) {
        long long rate = sampleRate;
        sampleRate = std::llabs(rate - least) <= std::llabs(rate - most) ? least : most;
    }
    channels = 2;
}

void CFormatDecision::FindBestFitVideo(CTargetConversion& preset, unsigned short& width, unsigned short& height,
                                       double& aspect, bool& rotated)
{
    const CVideoInfo2& least = preset.GetMinVideoOutput().GetVideoInfo();
    const CVideoInfo2& most = preset.GetVideoOutput(0)->GetVideoInfo();
    unsigned short minW = least.GetWidth(), minH = least.GetHeight();
    unsigned short maxW = most.GetWidth(), maxH = most.GetHeight();
    bool turn = preset.GetAutoRotation() && aspect > 0;
    unsigned short w1 = width, h1 = height, w2 = width, h2 = height;
    rotated = false;
    if (preset.GetDiscreteVideo()) {
        ULONG area1 = 0, area2 = 0;
        FindBestFitFixedVideo(w1, h1, aspect, minW, minH, maxW, maxH, area1);
        if (turn) {
            FindBestFitFixedVideo(w2, h2, aspect, minH, minW, maxH, maxW, area2);
            rotated = 8ULL * area2 > 10ULL * area1;
        }
    } else {
        ULONG pixels = preset.GetMaxVideoPixels();
        FindBestFitFlexVideo(w1, h1, aspect, minW, minH, maxW, maxH, pixels);
        if (turn) {
            FindBestFitFlexVideo(w2, h2, aspect, minH, minW, maxH, maxW, pixels);
            rotated = 8ULL * w2 * h2 > 10ULL * w1 * h1;
        }
    }
    width = rotated ? h2 : w1;
    height = rotated ? w2 : h1;
    width = AlignVideo(width, preset.GetHorizontalAlignment());
    height = AlignVideo(height, preset.GetVerticalAlignment());
    aspect = height ? static_cast<double>(width) / height : 0;
}

void CFormatDecision::FindBestFitFixedVideo(unsigned short& width, unsigned short& height, double aspect,
                                            unsigned short minWidth, unsigned short minHeight, unsigned short maxWidth,
                                            unsigned short maxHeight, ULONG& area)
{
    bool small = width <= minWidth && height <= minHeight;
    width = small ? minWidth : maxWidth;
    height = small ? minHeight : maxHeight;
    area = ShownArea(width, height, aspect);
}

void CFormatDecision::FindBestFitFlexVideo(unsigned short& width, unsigned short& height, double aspect,
                                           unsigned short minWidth, unsigned short minHeight,
                                           unsigned short maxWidth, unsigned short maxHeight, ULONG maxPixels)
{
    aspect = UsableAspect(aspect, maxWidth, maxHeight);
    unsigned short m = std::min(Size16(std::sqrt(maxPixels * aspect)), maxWidth);
    unsigned short o = Size16(m / aspect);
    if (o > maxHeight) {
        o = maxHeight;
        m = Size16(maxHeight * aspect);
    }
    unsigned short f, g;
    if (minWidth > minHeight * aspect) {
        f = minWidth;
        g = Round16(minWidth / aspect);
    } else {
        f = Round16(minHeight * aspect);
        g = minHeight;
    }
    if (g * aspect > m) {
        width = m;
        height = g;
        return;
    }
    if (o * aspect < f) {
        width = f;
        height = o;
        return;
    }
    if (width > m || height > o) {
        width = m;
        height = o;
    } else if (width > Round16(height * aspect)) {
        height = Round16(width / aspect);
    } else {
        width = Round16(height * aspect);
    }
    if (width < f || height < g) {
        width = f;
        height = g;
    }
}

unsigned short CFormatDecision::AlignVideo(unsigned short value, unsigned short alignment)
{
    // No alignment asked for: any size will do.
    if (alignment == 0) return value;
    return value - value % alignment;
}

void CFormatDecision::FindBestFrameRate(CTargetConversion& preset, double& rate)
{
    double most = preset.GetVideoOutput(0)->GetVideoInfo().GetFrameRate();
    double least = preset.GetMinVideoOutput().GetVideoInfo().GetFrameRate();
    rate = std::max(std::min(rate, most), least);
    if (!preset.GetDiscreteVideo()) {
        rate = RoundUpFrameRate(rate);
        return;
    }
    // One of the two listed rates, the nearer; the minimum on a tie, as for the sample rate.
    rate = std::fabs(rate - least) <= std::fabs(most - rate) ? least : most;
}

double CFormatDecision::CheckFrameRate(double rate, double lower, double upper)
{
    if (!(lower < rate && rate < upper)) return rate;
    return rate - lower <= upper - rate ? lower : upper;
}

unsigned char CFormatDecision::CalculateQuality(CTargetConversion& preset, unsigned char quality)
{
    unsigned char lo = preset.GetMinVideoOutput().GetQuality();
    unsigned char hi = preset.GetVideoOutput(0)->GetQuality();
    if (hi <= lo) return hi;
    return static_cast<unsigned char>(lo + (hi - lo) * quality / 100);
}
