#pragma once
// Test support: a new movie file of the QuickTime library at a path.
#include "UQuickTimeCalls.h"

#include <cstring>
#include <string>

// Null when the library refuses; file gets the movie file's reference.
inline Movie CreateTestMovie(const SQuickTimeCalls& qt, const std::string& path, int16_t& file)
{
    if (path.empty() || path.size() > 255) return nullptr;
    unsigned char name[256];
    name[0] = static_cast<unsigned char>(path.size());
    std::memcpy(name + 1, path.data(), path.size());
    FSSpec spec{};
    Movie movie = nullptr;
    if (qt.FSMakeFSSpec(0, 0, name, &spec) != noErr || qt.CreateMovieFile(&spec, 0, 0, 0, &file, &movie) != noErr)
        return nullptr;
    return movie;
}
