// The component list: a movie exporter from procedures for every file type the library
// writes, the standard image and sound compressors, and an image decompressor for each
// picture format, missing where FFmpeg cannot decode it.
#include "quicktime/QuickTimeEncoding.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstring>
#include <iterator>
#include <vector>

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
    {{decompressorComponentType, 0x6D703476 /*mp4v*/, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x61766331 /*avc1*/, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x68323633 /*h263*/, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x6A706567 /*jpeg*/, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x6D6A7061 /*mjpa*/, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x6D6A7032 /*mjp2*/, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x63766964 /*cvid*/, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x64766320 /*dvc */, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x64766370 /*dvcp*/, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x64767070 /*dvpp*/, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x706E6720 /*png */, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x72617720 /*raw */, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x726C6520 /*rle */, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x74696666 /*tiff*/, kAppleManufacturer, 0, 0}},
    {{decompressorComponentType, 0x74676120 /*tga */, kAppleManufacturer, 0, 0}},
};

bool IsKnown(Component component)
{
    return component >= std::begin(gComponents) && component < std::end(gComponents);
}

// The RGB pictures every decompressor gives, and the YUV ones of the formats that carry YUV.
constexpr uint32_t kRgbFormats[] = {0x32344247 /*24BG*/, 0x42475241 /*BGRA*/, 0x52474241 /*RGBA*/,
                                    0x41424752 /*ABGR*/, 0x4C353535 /*L555*/, 0x4C353635 /*L565*/};
constexpr uint32_t kYuvFormats[] = {0x55595659 /*UYVY*/, 0x79757673 /*yuvs*/, 0x59565955 /*YVYU*/};

bool CarriesYuv(OSType format)
{
    switch (format) {
    case 0x706E6720: case 0x72617720: case 0x726C6520: case 0x74696666: case 0x74676120: return false;
    default: return true;
    }
}

bool CanDecode(OSType format)
{
    const int id = CodecIdFor(format);
    return id && avcodec_find_decoder(AVCodecID(id));
}

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
    if (!IsKnown(component)) return badComponentInstance;
    const ComponentDescription& d = component->description;
    if (d.componentType == decompressorComponentType) return badComponentSelector; // used by description only
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

QT_EXPORT OSErr GetComponentInfo(Component component, ComponentDescription* description, Handle, Handle, Handle)
{
    if (!IsKnown(component) || !description) return paramErr;
    *description = component->description;
    const bool decompressor = description->componentType == decompressorComponentType;
    if (decompressor && !CanDecode(description->componentSubType)) description->componentFlags |= cmpIsMissing;
    return noErr;
}

QT_EXPORT OSErr GetComponentPublicResource(Component component, OSType resourceType, int16_t resourceId,
                                           Handle* resource)
{
    if (!resource) return paramErr;
    *resource = nullptr;
    if (!IsKnown(component) || component->description.componentType != decompressorComponentType ||
        resourceType != codecPixelFormatResource || resourceId != 1)
        return badComponentSelector;
    std::vector<uint32_t> formats(std::begin(kRgbFormats), std::end(kRgbFormats));
    if (CarriesYuv(component->description.componentSubType))
        formats.insert(formats.end(), std::begin(kYuvFormats), std::end(kYuvFormats));
    *resource = MakeHandle(formats.data(), int32_t(formats.size() * sizeof(uint32_t)));
    return *resource ? noErr : memFullErr;
}
