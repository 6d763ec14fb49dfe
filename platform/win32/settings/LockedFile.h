#pragma once
// Whole-file reads and atomic replacement of small settings files (registry, ini).
// A writer works under an exclusive lock on the file's folder, reads the current contents,
// changes them and renames a synced temporary file over the old one, so writers in several
// processes never lose each other's changes and a failed write leaves the old file whole.
#include <cstddef>
#include <functional>
#include <string>

class MvLockedFile {
public:
    // Settings files larger than this are read only up to it and never rewritten.
    static constexpr size_t kMaxSize = 4u << 20;

    // Empty bytes for a missing file. False when it exists but cannot be read; oversized
    // files give their first kMaxSize bytes and set *truncated.
    static bool Read(const std::string& path, std::string& bytes, bool* truncated = nullptr);
    // change() edits the bytes and returns whether they are to be written. False when the
    // file cannot be read whole or writing failed; true when nothing needed writing.
    static bool Update(const std::string& path, const std::function<bool(std::string&)>& change);
    // Replaces the file with the bytes through a synced temporary file (no lock).
    static bool Replace(const std::string& path, const void* bytes, size_t size);
};
