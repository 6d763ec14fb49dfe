#include "CFormatDecision.h"

#include "CAudioCodecBitsPerSample.h"
#include "CAudioComplexityController.h"
#include "CAudioOutput2Controller.h"
#include "CAudioTrack.h"
#include "CMediaConversionFileNameMonitor.h"
#include "CMediaFile2.h"
#include "CTargetConversion.h"
#include "CTargetDecisions.h"
#include "CTvOutputTypeController.h"
#include "CVideoComplexityController.h"
#include "CVideoKeyFrameController.h"
#include "CVideoModeController.h"
#include "CVideoOutput2Controller.h"
#include "CVideoTrack.h"
#include "UEstimateSize.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace {

constexpr ULONG kLeastVideoBitrate = 160000;
constexpr ULONG kMostAudioBitrate = 160000;
constexpr double kFrameRateLadder[] = {0, 1, 2, 3, 4, 5, 8, 10, 12, 15, 16, 20, 24, 25, 29.97, 30, 40, 50, 59.94, 60};

// Sizes are 16-bit: out-of-range and NaN values must not be converted unchecked.
unsigned short Size16(double value)
{
    if (!(value > 0)) return 0;
    return value >= 65535 ? 65535 : static_cast<unsigned short>(value);
}

unsigned short Round16(double value) { return Size16(value + 0.5); }

// A ratio the size arithmetic can divide by.
bool Usable(double value) { return value > 0 && std::isfinite(value); }

} // namespace

// The controllers whose rules keep an output's dependent values in step, and the file name
// monitor; bound to an output only while a decision runs.
struct CFormatDecision::Bound {
    CVideoOutput2Controller video;
    CVideoModeController mode;
    CVideoComplexityController videoComplexity;
    CVideoKeyFrameController keyFrame;
    CAudioOutput2Controller audio;
    CAudioComplexityController audioComplexity;
    CTvOutputTypeController tv;
    CMediaConversionFileNameMonitor fileName;
};

CFormatDecision::CFormatDecision() : m_bound(std::make_unique<Bound>()) {}

CFormatDecision::~CFormatDecision() = default;

unsigned char CFormatDecision::GetQuality() { return 100; }

ULONG CFormatDecision::GetMaxVideoBitrate() { return 800000; }

ULONG CFormatDecision::GetMaxAudioBitrate() { return 160000; }

void CFormatDecision::Bind(CMediaOutput2* output)
{
    Bound& b = *m_bound;
    b.video.SetObject(output, false);
    b.mode.SetObject(output, false);
    b.videoComplexity.SetObject(output ? output->GetVideoOutput(0) : nullptr, false);
    b.keyFrame.SetObject(output ? output->GetVideoOutput(0) : nullptr, false);
    b.audio.SetObject(output, false);
    b.audioComplexity.SetObject(output ? output->GetAudioOutput(0) : nullptr, false);
    b.tv.SetObject(output, false);
}

void CFormatDecision::SetFormat(CMediaFile2* input, CMediaOutput2* output, bool followInputStreams)
{
    Bind(output);
    m_bound->fileName.SetInput(input);
    m_bound->fileName.SetOutput(output);
    ConfigureFormat(input, output, followInputStreams);
    m_bound->fileName.Update();
    Bind(nullptr);
    m_bound->fileName.SetInput(nullptr);
    m_bound->fileName.SetOutput(nullptr);
}

void CFormatDecision::ConfigureFormat(CMediaFile2* input, CMediaOutput2* output, bool followInputStreams)
{
    CTargetConversion* preset = FindTarget(input, output);
    if (!preset || !input || !output) return;
    *output = static_cast<const CMediaOutput2&>(*preset);
    const bool hasAudio = input->GetSelectedAudio() != nullptr;
    const bool hasVideo = input->GetSelectedVideo() != nullptr;
    output->SetWantsAudio(hasAudio && (followInputStreams || output->GetWantsAudio()));
    output->SetWantsVideo(hasVideo && (followInputStreams || output->GetWantsVideo()));
    ConfigureAudioFormat(preset, input->GetSelectedAudio(), output);
    ConfigureVideoFormat(preset, input->GetSelectedVideo(), output);
    UEstimateSize::EstimateSize(input, output);
    m_bound->fileName.SetDirectory(preset->GetDirectory());
}

void CFormatDecision::ConfigureAudioFormat(CTargetConversion* preset, CAudioTrack* track, CMediaOutput2* output)
{
    if (!preset || !track || !output) return;
    CAudioOutput2& audio = *output->GetAudioOutput(0);
    audio = *preset->GetAudioOutput(0);
    const CAudioInfo2& in = track->GetAudioInfo();
    ULONG sampleRate = in.GetSampleRate();
    unsigned short channels = in.GetChannel();
    unsigned short bits = in.GetBitsPerSample();
    FindBestFitAudio(*preset, sampleRate, channels);
    ULONG bitrate = m_bound->audio.FindBestFit(sampleRate, channels, bits, GetQuality());
    CAudioInfo2& info = audio.GetAudioInfo();
    info.SetSampleRate(sampleRate);
    info.SetChannel(channels);
    info.SetBitsPerSample(bits);
    // A lower audio limit of the decision's own (a device's, chosen by its user) holds too.
    const ULONG cap = std::min(kMostAudioBitrate, GetMaxAudioBitrate());
    if (bitrate > cap) {
        // The codec's nearest rate below the cap for the settings just decided; without one the cap itself.
        CAudioCodecBitsPerSample* entry = m_bound->audio.GetAudioOutput() == &audio
            ? m_bound->audio.GetAudioCodecBitsPerSample(false) : nullptr;
        ULONG below = entry ? entry->FindBestFitBelow(cap) : 0;
        bitrate = below ? below : cap;
    }
    audio.SetBitrate(bitrate);
}

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

    const long long audio = output->GetWantsAudio() ? output->GetAudioOutput(0)->GetBitrate() : 0;
    const long long room = static_cast<long long>(GetMaxVideoBitrate()) - audio;
    if (presetVideo.GetEncoderControl() == 1) {
        video.SetQuality(CalculateQuality(*preset, GetQuality()));
        // The bitrate is the ceiling the quality is written under: never above the device's.
        const long long ceiling = room > 0 ? room : static_cast<long long>(GetMaxVideoBitrate());
        if (video.GetBitrate() > ceiling) video.SetBitrate(static_cast<ULONG>(ceiling));
        return;
    }

    // A preset without a pixel count or frame rate gives nothing to scale by: its bitrate stays.
    const double pixels = preset->GetMaxVideoPixels();
    const double presetRate = presetVideo.GetVideoInfo().GetFrameRate();
    if (!Usable(pixels) || !Usable(presetRate)) return;
    const double share = width * static_cast<double>(height) / pixels * (rate / presetRate);
    const double quality = GetQuality();
    const double maxVideo = GetMaxVideoBitrate();
    // 64-bit: 32-bit arithmetic wraps on large limits.
    const long long upper =
        static_cast<long long>(quality * (maxVideo - kLeastVideoBitrate) * share * 0.01 + 0.5) + kLeastVideoBitrate;
    const long long lower = static_cast<long long>(quality * kLeastVideoBitrate * share * 0.01 + 0.5);
    const long long bitrate = std::clamp<long long>(std::min(upper, std::max(room, lower)), 0, 0xFFFFFFFFLL);
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
    if (height) aspect = static_cast<double>(width) / height;
}

void CFormatDecision::FindBestFitFixedVideo(unsigned short& width, unsigned short& height, double aspect,
                                            unsigned short minWidth, unsigned short minHeight, unsigned short maxWidth,
                                            unsigned short maxHeight, ULONG& area)
{
    bool small = width <= minWidth && height <= minHeight;
    width = small ? minWidth : maxWidth;
    height = small ? minHeight : maxHeight;
    // Without a picture shape there is no shown area to tell.
    if (!Usable(aspect)) return;
    if (width > height * aspect)
        area = static_cast<ULONG>(Round16(height * aspect)) * height;
    else
        area = static_cast<ULONG>(width) * Round16(width / aspect);
}

void CFormatDecision::FindBestFitFlexVideo(unsigned short& width, unsigned short& height, double aspect,
                                           unsigned short minWidth, unsigned short minHeight,
                                           unsigned short maxWidth, unsigned short maxHeight, ULONG maxPixels)
{
    // Without a picture shape or a pixel count there is nothing to fit to.
    if (!Usable(aspect) || maxPixels == 0) return;
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
    // A preset without a frame rate sets none.
    if (!Usable(most)) return;
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
