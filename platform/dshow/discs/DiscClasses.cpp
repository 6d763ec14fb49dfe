// Registers the disc sources when the library loads.
#include "dshow/FilterRegistry.h"
#include "dshow/discs/AudioTrackSource.h"
#include "dshow/discs/DvdNavigator.h"

namespace {

struct DiscRegistrar {
    DiscRegistrar()
    {
        DShowRegisterFilter(CLSID_AudioTrackSource, "Audio Track", FilterRole::Other, 0, &CAudioTrackSource::Create);
        DShowRegisterFilter(CLSID_DvdNavigator, "DVD Navigator", FilterRole::Other, 0, &CDvdNavigator::Create);
    }
} gDiscRegistrar;

} // namespace
