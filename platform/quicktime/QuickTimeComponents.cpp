// The component list: a movie exporter from procedures for every file type the library
// writes, and the standard image and sound compressors.
#include "quicktime/QuickTimeInternal.h"

#include <iterator>

struct ComponentRecord {
    ComponentDescription description;
};

namespace {

constexpr OSType kSoundManufacturer = 0x736F756E; // 'soun'
constexpr OSType kAppleManufacturer = 0x6170706C; // 'appl'

ComponentRecord gComponents[] = {
    {{MovieExportType, 0x4D6F6F56 /*MooV*/, kAppleManufacturer, canMovieExportFromProcedures, 0}},
    {{MovieExportType, 0x6D706734 /*mpg4*/, kAppleManufacturer, canMovieExportFromProcedures, 0}},
    {{MovieExportType, 0x33677070 /*3gpp*/, kAppleManufacturer, canMovieExportFromProcedures, 0}},
    {{MovieExportType, 0x4D345620 /*M4V */, kAppleManufacturer, canMovieExportFromProcedures, 0}},
    {{MovieExportType, 0x64766321 /*dvc!*/, kAppleManufacturer, canMovieExportFromProcedures, 0}},
    {{MovieExportType, 0x41494646 /*AIFF*/, kSoundManufacturer, canMovieExportFromProcedures, 0}},
    {{StandardCompressionType, StandardCompressionSubType, kAppleManufacturer, 0, 0}},
    {{StandardCompressionType, StandardCompressionSubTypeSound, kAppleManufacturer, 0, 0}},
};

// A zero field of the description matches anything.
bool Matches(const ComponentDescription& c, const ComponentDescription& d)
{
    return (!d.componentType || d.componentType == c.componentType) &&
           (!d.componentSubType || d.componentSubType == c.componentSubType) &&
           (!d.componentManufacturer || d.componentManufacturer == c.componentManufacturer) &&
           (c.componentFlags & d.componentFlagsMask) == (d.componentFlags & d.componentFlagsMask);
}

} // namespace

QT_EXPORT Component FindNextComponent(Component after, ComponentDescription* description)
{
    if (!description) return nullptr;
    ComponentRecord* begin = std::begin(gComponents);
    if (after) {
        if (after < std::begin(gComponents) || after >= std::end(gComponents)) return nullptr;
        begin = after + 1;
    }
    for (ComponentRecord* c = begin; c != std::end(gComponents); ++c)
        if (Matches(c->description, *description)) return c;
    return nullptr;
}

QT_EXPORT OSErr OpenAComponent(Component component, ComponentInstance* instance)
{
    if (!instance) return paramErr;
    *instance = nullptr;
    if (!component || component < std::begin(gComponents) || component >= std::end(gComponents))
        return badComponentInstance;
    const ComponentDescription& d = component->description;
    ComponentInstanceRecord* made = d.componentType == MovieExportType ? NewMovieExporter(d.componentSubType)
                                                                         : NewStandardCompressor(d.componentSubType);
    if (!made) return memFullErr;
    made->type = d.componentType;
    made->subType = d.componentSubType;
    *instance = made;
    return noErr;
}

QT_EXPORT OSErr OpenADefaultComponent(OSType type, OSType subType, ComponentInstance* instance)
{
    ComponentDescription d{type, subType, 0, 0, 0};
    if (!instance) return paramErr;
    *instance = nullptr;
    Component found = FindNextComponent(nullptr, &d);
    return found ? OpenAComponent(found, instance) : badComponentInstance;
}

QT_EXPORT OSErr CloseComponent(ComponentInstance instance)
{
    delete instance;
    return noErr;
}
