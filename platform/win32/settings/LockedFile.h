#pragma once
// Whole-file reads and atomic replacement of small settings files (registry, ini).
// A writer works under an exclusive lock on the file's folder, reads the current contents,
// changes them and renames a synced temporary file over the old one, so writers in several
// processes never lose each other's changes and a failed write leaves the old file whole.
// Inside a settings batch (win32/settings/SettingsBatch.h) reads and changes go to the batch.
#include <cstddef>
#include <functional>
#include <string>

class MvLockedFile {
public:
    // Settings files larger than this are read only up to it and never rewritten.
    static constexpr size_t kMaxSize = 4u << 20;

    // Empty bytes for a missing file. False when it exists but cannot be read; oversized
    // files give their first kMaxSize bytes and set *truncated. Inside a batch that changed
    // the file, the batch's bytes.
    static bool Read(const std::string& path, std::string& bytes, bool* truncated = nullptr);
    // Read from the file itself, whatever a batch holds.
    static bool ReadFile(const std::string& path, std::string& bytes, bool* truncated = nullptr);
    // change() edits the bytes and returns whether they are to be written. False when the
    // file cannot be read whole or writing failed; true when nothing needed writing. With
    // ownerOnly the file is left readable and writable by its owner alone. Without sync the
    // new file is renamed into place unsynced: every reader sees it at once, and the system's
    // write-back takes it to the disk (a power cut may lose the change, as the system's own
    // registry may).
    static bool Update(const std::string& path, const std::function<bool(std::string&)>& change,
                       bool ownerOnly = false, bool sync = true);
    // Replaces the file with the bytes through a temporary file (no lock), synced unless told
    // otherwise. The file keeps its permissions; a new one gets 0644, or 0600 with ownerOnly.
    static bool Replace(const std::string& path, const void* bytes, size_t size, bool ownerOnly = false,
                        bool sync = true);

    // The name of a temporary file for replacing path: it carries this process's id, so that
    // RemoveStaleTemporaries can tell a dead process's leftover from a save in progress.
    static std::string TemporaryPrefix(const std::string& path);
    // Deletes the temporary files beside path that processes no longer running left behind.
    static void RemoveStaleTemporaries(const std::string& path);
};
