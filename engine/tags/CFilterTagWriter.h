#pragma once
// Writes the tags through the tag interface of an encoder-set writer filter, in list order.
#include "CTagWriter.h"

class CFilterTagWriter : public CTagWriter {
public:
    using CTagWriter::CTagWriter;
    bool Write(CMediaTags& tags) override;
};
