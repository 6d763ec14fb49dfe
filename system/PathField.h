#pragma once
// Fixed path fields: a path that does not fit is refused, never cut, so a cut path
// cannot name (and overwrite) some other file.
#include <cstddef>
#include <cstring>

template <size_t N>
bool SetPathField(char (&field)[N], const char* path)
{
    std::memset(field, 0, N);
    if (!path || std::strlen(path) >= N) return false;
    std::memcpy(field, path, std::strlen(path));
    return true;
}
