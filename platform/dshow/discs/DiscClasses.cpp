// Registers the disc sources when the library loads.
#include "dshow/FilterRegistry.h"
#include "dshow/discs/AudioTrackSource.h"

namespace {

struct DiscRegistrar {
    DiscRegistrar()
    {
        DShowRegisterFilter(CLSID_AudioTrackSource, "Audio Track", FilterRole::Other, 0, &CAudioTrackSource::Create);
    }
} gDiscRegistrar;

} // namespace
