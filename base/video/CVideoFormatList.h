#pragma once
// The converter's list of frame formats in order of preference, each with a flag and a variant
// mark, and the ordered selections made from it.
#include <vector>

#include "EColorFormat.h"

struct SVideoFormatEntry {
    EColorFormat format;
    bool flag;
    bool variant;
    bool operator==(const SVideoFormatEntry&) const = default;
};

class CVideoFormatList {
public:
    CVideoFormatList();

    const std::vector<SVideoFormatEntry>& GetEntries() const { return m_entries; }

    // Entries of the second preferred format, then of the first; with no first preference, then
    // the rest, YUV before RGB when the second preference is YUV and RGB first otherwise.
    // kColorNone leaves a preference unset.
    std::vector<SVideoFormatEntry> Select(EColorFormat first, EColorFormat second, bool rgbOnly, bool flagRequired,
                                          bool variantsAllowed) const;
    // The preferred entries, then every passing entry whose format is in formats.
    std::vector<SVideoFormatEntry> Select(EColorFormat first, EColorFormat second, bool rgbOnly, bool flagRequired,
                                          bool variantsAllowed, const std::vector<EColorFormat>& formats) const;

private:
    std::vector<SVideoFormatEntry> Preferred(EColorFormat first, EColorFormat second, bool rgbOnly,
                                             bool flagRequired, bool variantsAllowed) const;

    std::vector<SVideoFormatEntry> m_entries;
};
