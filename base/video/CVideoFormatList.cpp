#include "CVideoFormatList.h"

#include <algorithm>

#include "VideoFormats.h"

namespace {

bool Passes(const SVideoFormatEntry& e, bool rgbOnly, bool flagRequired, bool variantsAllowed)
{
    return (!rgbOnly || VideoFormats::IsRgb(e.format)) && (!flagRequired || e.flag) && (variantsAllowed || !e.variant);
}

}  // namespace

CVideoFormatList::CVideoFormatList()
{
    for (EColorFormat f : {kColorRgb32, kColorArgb32, kColorRgb24, kColorRgb555, kColorRgb565})
        for (bool flag : {false, true})
            for (bool variant : {true, false})
                m_entries.push_back({f, flag, variant});
    for (EColorFormat f : {kColorUyvy, kColorYuy2, kColorYvyu, kColorIyuv, kColorYv12, kColorI420, kColorYvu9,
                           kColorY411, kColorY211, kColorIf09, kColorAyuv})
        for (bool variant : {true, false})
            m_entries.push_back({f, true, variant});
}

std::vector<SVideoFormatEntry> CVideoFormatList::Preferred(EColorFormat first, EColorFormat second, bool rgbOnly,
                                                           bool flagRequired, bool variantsAllowed) const
{
    std::vector<SVideoFormatEntry> out;
    for (EColorFormat preferred : {second, first}) {
        if (preferred == kColorNone)
            continue;
        for (const SVideoFormatEntry& e : m_entries)
            if (e.format == preferred && Passes(e, rgbOnly, flagRequired, variantsAllowed))
                out.push_back(e);
    }
    return out;
}

std::vector<SVideoFormatEntry> CVideoFormatList::Select(EColorFormat first, EColorFormat second, bool rgbOnly,
                                                        bool flagRequired, bool variantsAllowed) const
{
    std::vector<SVideoFormatEntry> out = Preferred(first, second, rgbOnly, flagRequired, variantsAllowed);
    if (first != kColorNone)
        return out;  // the rest must be of a preferred format, and those are all in
    const bool yuvFirst = VideoFormats::IsYuv(second);
    for (bool yuvPass : {yuvFirst, !yuvFirst})
        for (const SVideoFormatEntry& e : m_entries)
            if (VideoFormats::IsYuv(e.format) == yuvPass && e.format != second &&
                Passes(e, rgbOnly, flagRequired, variantsAllowed))
                out.push_back(e);
    return out;
}

std::vector<SVideoFormatEntry> CVideoFormatList::Select(EColorFormat first, EColorFormat second, bool rgbOnly,
                                                        bool flagRequired, bool variantsAllowed,
                                                        const std::vector<EColorFormat>& formats) const
{
    std::vector<SVideoFormatEntry> out = Preferred(first, second, rgbOnly, flagRequired, variantsAllowed);
    for (const SVideoFormatEntry& e : m_entries)
        if (e.format != first && e.format != second && Passes(e, rgbOnly, flagRequired, variantsAllowed) &&
            std::find(formats.begin(), formats.end(), e.format) != formats.end())
            out.push_back(e);
    return out;
}
