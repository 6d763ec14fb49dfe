#include "StreamTable.h"
#include "EncoderStream.h"

StreamTable& StreamTable::Instance()
{
    static StreamTable table;
    return table;
}

HBE_STREAM StreamTable::Add(std::unique_ptr<EncoderStream> stream)
{
    std::lock_guard<std::mutex> lock(mutex_);
    // Handles are not reused soon, so a stale one rarely names another caller's stream.
    for (HBE_STREAM tries = 0; tries < 0xFFFFFFFFu; ++tries) {
        if (++last_ == 0) continue;
        if (streams_.count(last_)) continue;
        streams_.emplace(last_, std::move(stream));
        return last_;
    }
    return 0;
}

std::shared_ptr<EncoderStream> StreamTable::Find(HBE_STREAM handle)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = streams_.find(handle);
    return it == streams_.end() ? nullptr : it->second;
}

bool StreamTable::Remove(HBE_STREAM handle)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return streams_.erase(handle) != 0;
}
