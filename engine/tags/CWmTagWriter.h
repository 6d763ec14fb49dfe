#pragma once
// Writes media tags as Windows Media attributes of a writer filter, then the tool's name
// and version.
#include "CLookupList.h"
#include "CTagWriter.h"

class CWmTagWriter : public CTagWriter {
public:
    explicit CWmTagWriter(CDirectShowFilter* writer);
    bool Write(CMediaTags& tags) override;

    // Attribute name to internal tag id.
    const CLookupList& GetNameTable() const { return m_names; }

private:
    CLookupList m_names;
};
