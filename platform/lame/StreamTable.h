#pragma once
// The open encoder streams of the process, by the handle the interface gives out.
#include "LameEnc.h"

#include <map>
#include <memory>
#include <mutex>

class EncoderStream;

class StreamTable {
public:
    static StreamTable& Instance();

    // A new handle for the stream, or 0 when every handle is taken.
    HBE_STREAM Add(std::unique_ptr<EncoderStream> stream);
    // The stream stays alive while a caller holds it, even when closed meanwhile.
    std::shared_ptr<EncoderStream> Find(HBE_STREAM handle);
    bool Remove(HBE_STREAM handle);

private:
    std::mutex mutex_;
    std::map<HBE_STREAM, std::shared_ptr<EncoderStream>> streams_;
    HBE_STREAM last_ = 0;
};
