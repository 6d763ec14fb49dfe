// Arbitrary bytes as a movie exporter's settings container and as a standard compressor's
// settings state. Whatever the bytes, they are taken whole or refused; settings that were
// taken read back as a container that is taken again unchanged.
#include "quicktime/QuickTimeMovies.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr OSType kMpg4 = 0x6D706734;

Handle Bytes(const uint8_t* data, size_t size)
{
    Handle handle = NewHandle(int32_t(size));
    if (handle && size) std::memcpy(*handle, data, size);
    return handle;
}

std::string Read(ComponentInstance exporter)
{
    QTAtomContainer settings = nullptr;
    if (MovieExportGetSettingsAsAtomContainer(exporter, &settings) != noErr || !settings) std::abort();
    std::string bytes(*settings, size_t(GetHandleSize(settings)));
    QTDisposeAtomContainer(settings);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20)) return 0;
    ComponentInstance exporter = nullptr;
    if (OpenADefaultComponent(MovieExportType, kMpg4, &exporter) != noErr) std::abort();
    const std::string before = Read(exporter);
    Handle settings = Bytes(data, size);
    const ComponentResult taken = MovieExportSetSettingsFromAtomContainer(exporter, settings);
    const std::string after = Read(exporter);
    if (taken != noErr && after != before) std::abort(); // a refusal changes nothing
    if (taken == noErr) {
        Handle again = Bytes(reinterpret_cast<const uint8_t*>(after.data()), after.size());
        if (MovieExportSetSettingsFromAtomContainer(exporter, again) != noErr || Read(exporter) != after) std::abort();
        DisposeHandle(again);
    }
    ComponentInstance compressor = nullptr;
    if (OpenADefaultComponent(StandardCompressionType, StandardCompressionSubType, &compressor) != noErr) std::abort();
    SCSetInfo(compressor, scSettingsStateType, &settings);
    SCSpatialSettings spatial{};
    SCGetInfo(compressor, scSpatialSettingsType, &spatial);
    if (spatial.spatialQuality < 0 || spatial.spatialQuality > 1023) std::abort();
    CloseComponent(compressor);
    DisposeHandle(settings);
    CloseComponent(exporter);
    return 0;
}
