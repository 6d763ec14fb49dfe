#include "UAudioSourceSetup.h"

#include "CAudioCaptureInputFilters2.h"
#include "CAudioSource2.h"

void UAudioSourceSetup::Apply(CAudioCaptureInputFilters2& input, const CAudioSource2& source)
{
    input.SetAudioSource(source.GetName());
    input.SetAudioConnector(source.GetConnector());
    ApplyVolume(input, source);
}

void UAudioSourceSetup::ApplyVolume(CAudioCaptureInputFilters2& input, const CAudioSource2& source)
{
    ApplyVolume(input, source.GetAutoVolume(), source.GetVolume());
}

void UAudioSourceSetup::ApplyVolume(CAudioCaptureInputFilters2& input, bool autoVolume, unsigned char volume)
{
    // The input applies its level unless told not to; automatic volume means not to.
    input.SetVolume(!autoVolume, volume);
}
