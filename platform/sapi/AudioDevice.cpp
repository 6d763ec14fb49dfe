#include "sapi/AudioDevice.h"

#include "sapi/PacedNullAudioDevice.h"

#include <atomic>

namespace {

std::unique_ptr<CAudioDevice> MakeDefault()
{
    return std::make_unique<CPacedNullAudioDevice>();
}

std::atomic<CAudioDevice::Maker> gMaker{&MakeDefault};

} // namespace

std::unique_ptr<CAudioDevice> CAudioDevice::Make()
{
    return gMaker.load()();
}

void CAudioDevice::SetMaker(Maker maker)
{
    gMaker.store(maker ? maker : &MakeDefault);
}
