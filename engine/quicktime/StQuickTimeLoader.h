#pragma once
// The QuickTime codec lists of every output file type QuickTime writes, built once. The
// first loader made is the process-wide one.
#include "CThirdPartyFormat.h"

#include <memory>
#include <vector>

class StQtCodecs;

class StQuickTimeLoader {
public:
    StQuickTimeLoader();
    StQuickTimeLoader(const StQuickTimeLoader&) = delete;
    StQuickTimeLoader& operator=(const StQuickTimeLoader&) = delete;
    ~StQuickTimeLoader();

    int GetCount() const { return int(m_lists.size()); }
    StQtCodecs* GetAt(int index) const;
    // The first list of that output file-type id, or null.
    StQtCodecs* GetSplitterCodecs(ESplitterType type) const;
    // The first list of that QuickTime file type, or null ('MooV' gives the movie writer's).
    StQtCodecs* GetFileTypeCodecs(ULONG fileType) const;

    static StQuickTimeLoader* sLoader;

private:
    std::vector<std::unique_ptr<StQtCodecs>> m_lists;
};
