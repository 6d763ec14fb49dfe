#pragma once
// Bounds of one network exchange: how long it may take in all, how many answer bytes it
// takes in, and what ends it early. A session hands its bounds to every file and
// connection it makes.
#include <cstdint>
#include <functional>

struct MvTransferLimits {
    static constexpr uint32_t kDefaultTimeLimitMs = 10 * 60 * 1000;
    static constexpr uint64_t kDefaultMaxBytes = 1024ull * 1024 * 1024;

    // The whole exchange, connecting included; 0 for none.
    uint32_t timeLimitMs = kDefaultTimeLimitMs;
    // Answer bytes taken in; beyond them the exchange ends as failed. 0 for none.
    uint64_t maxBytes = kDefaultMaxBytes;
    // Asked at least every tenth of a second while the exchange waits; true ends it.
    std::function<bool()> stop;
};
