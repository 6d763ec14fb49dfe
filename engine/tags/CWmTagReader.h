#pragma once
// The Windows Media attributes of a source filter as media tags.
#include "CTagReader.h"

class CWmTagReader : public CTagReader {
public:
    using CTagReader::CTagReader;
    // True when a tag was added.
    bool Read(CMediaTags& tags) override;
};
