#include "UQuickTimeUtils.h"

#include "StQtCodecs.h"
#include "UQuickTimeCalls.h"
#include "UStringBuffer.h"

#include <algorithm>
#include <cstring>

bool UQuickTimeUtils::SupportColor(TrackRecord* track, ULONG pixelFormat)
{
    if (pixelFormat <= 40) return true;
    const SQuickTimeCalls* qt = UQuickTimeCalls::Get();
    if (!qt || !track) return false;
    MatrixRecord matrix{};
    qt->GetTrackMatrix(track, &matrix);
    if (qt->GetMatrixType(&matrix) >= 4) return false;
    Media media = qt->GetTrackMedia(track);
    if (!media || qt->GetMediaSampleDescriptionCount(media) != 1) return false;
    Handle description = qt->NewHandle(0);
    if (!description) return false;
    qt->GetMediaSampleDescription(media, 1, description);
    OSType codec = 0;
    if (qt->GetHandleSize(description) >= int32_t(sizeof(ImageDescription)))
        codec = reinterpret_cast<const ImageDescription*>(*description)->cType;
    qt->DisposeHandle(description);
    if (!codec) return false;
    ComponentDescription wanted{decompressorComponentType, codec, 0, 0, 0};
    for (Component c = qt->FindNextComponent(nullptr, &wanted); c; c = qt->FindNextComponent(c, &wanted)) {
        ComponentDescription info{};
        if (qt->GetComponentInfo(c, &info, nullptr, nullptr, nullptr) != noErr || (info.componentFlags & cmpIsMissing))
            continue;
        Handle formats = nullptr;
        if (qt->GetComponentPublicResource(c, codecPixelFormatResource, 1, &formats) != noErr || !formats) continue;
        const int32_t count = qt->GetHandleSize(formats) / int32_t(sizeof(uint32_t));
        const auto* list = reinterpret_cast<const uint32_t*>(*formats);
        const bool listed = std::find(list, list + count, uint32_t(pixelFormat)) != list + count;
        qt->DisposeHandle(formats);
        if (listed) return true;
    }
    return false;
}

ULONG UQuickTimeUtils::GetPixelFormat(LONG colorFormat)
{
    switch (colorFormat) {
    case 101: return StQtCodecs::Code("L555");
    case 102: return StQtCodecs::Code("L565");
    case 103: return StQtCodecs::Code("24BG");
    case 104: return StQtCodecs::Code("RGBA");
    case 105: return StQtCodecs::Code("ABGR");
    case 201: return StQtCodecs::Code("UYVY");
    case 204: return StQtCodecs::Code("yuvs");
    case 205: return StQtCodecs::Code("YVYU");
    default: return StQtCodecs::Code("BGRA");
    }
}

LONG UQuickTimeUtils::DoubleToFixed(double value)
{
    const int16_t whole = int16_t(int32_t(value));
    const uint16_t fraction = uint16_t(int32_t((value - whole) * 65536));
    return LONG(uint32_t(uint16_t(whole)) << 16 | fraction);
}

double UQuickTimeUtils::FixedToDouble3(LONG value)
{
    const double number = int16_t(uint32_t(value) >> 16) + double(uint32_t(value) & 0xFFFF) / 65536;
    return double(long(number * 1000 + 0.5)) * 0.001;
}

LONG UQuickTimeUtils::MorvaneToQuickTimeQuality(LONG quality)
{
    const LONG scaled = quality * 1024 / 100;
    return scaled > 1023 ? 1023 : scaled;
}

LONG UQuickTimeUtils::QuickTimeToMorvaneQuality(LONG quality) { return LONG(quality * 0.09765625 + 0.5); }

LONG UQuickTimeUtils::GetKeyFrame(double frameRate)
{
    const LONG frames = LONG(frameRate);
    return frames < 4 ? 4 : frames > 15 ? 15 : frames;
}

const char* UQuickTimeUtils::FourccToText(ULONG code)
{
    const char text[5] = {char(code >> 24), char(code >> 16), char(code >> 8), char(code), 0};
    return UStringBuffer::Text(text, 4);
}

ULONG UQuickTimeUtils::TextToFourcc(const char* text)
{
    if (!text || std::strlen(text) != 4) return 0;
    char code[5] = {text[0], text[1], text[2], text[3], 0};
    return ULONG(FourCharCode(code));
}
