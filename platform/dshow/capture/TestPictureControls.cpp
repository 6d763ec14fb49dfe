#include "dshow/capture/TestPictureControls.h"

#include <algorithm>

std::vector<PictureControl> CTestPictureControls::List()
{
    return {{VideoProcAmp_Brightness, -100, 100, 1, 0}, {VideoProcAmp_Contrast, 0, 200, 1, 100}};
}

bool CTestPictureControls::Read(long property, long& value)
{
    if (property == VideoProcAmp_Brightness) value = m_brightness;
    else if (property == VideoProcAmp_Contrast) value = m_contrast;
    else return false;
    return true;
}

bool CTestPictureControls::Write(long property, long value)
{
    if (property == VideoProcAmp_Brightness) m_brightness = value;
    else if (property == VideoProcAmp_Contrast) m_contrast = value;
    else return false;
    return true;
}

std::array<BYTE, 256> CTestPictureControls::Levels() const
{
    // Contrast scales around mid-grey in percent; brightness then shifts the level.
    const long contrast = m_contrast, brightness = m_brightness * 255 / 100;
    std::array<BYTE, 256> levels{};
    for (long channel = 0; channel < 256; ++channel)
        levels[size_t(channel)] = BYTE(std::clamp<long>((channel - 128) * contrast / 100 + 128 + brightness, 0, 255));
    return levels;
}
