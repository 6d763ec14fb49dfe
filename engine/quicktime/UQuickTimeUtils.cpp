#include "UQuickTimeUtils.h"

#include "StQtCodecs.h"
#include "UStringBuffer.h"

#include <cstring>

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
