#pragma once
// Gathers this thread's writes to settings files (registry roots, ini files) so that each file
// takes all of them in one atomic replacement when the outermost batch ends: an object or a
// window place saved value by value lands whole or not at all, even when the process dies
// meanwhile. Reads on this thread see the gathered changes; other threads and processes see
// the file as it was until the batch ends.
#include <cstdint>
#include <functional>
#include <string>

struct MvSettingsBatchState;

class MvSettingsBatch {
public:
    MvSettingsBatch();
    // Ends the batch (see Commit) when it is the outermost one.
    ~MvSettingsBatch();
    MvSettingsBatch(const MvSettingsBatch&) = delete;
    MvSettingsBatch& operator=(const MvSettingsBatch&) = delete;

    // Writes every changed file now when this is the outermost batch (nested batches leave it to
    // the outermost); false when a file could not be written, which then keeps its old contents.
    bool Commit();
    // The files this thread's batch writes are left readable by their owner only.
    void KeepPrivate();

    // For the settings file layer: whether a batch is open on this thread; Stage edits the
    // gathered bytes of a file (read first when the batch has not touched it yet) and keeps the
    // edit to replay on the file's newest contents; Staged gives those bytes (null when the
    // batch has not touched the file) and their version, which changes with every edit and is
    // never reused.
    static bool Active();
    static bool Stage(const std::string& path, const std::function<bool(std::string&)>& change);
    static const std::string* Staged(const std::string& path, uint64_t* version = nullptr);

private:
    MvSettingsBatchState* m_state; // the opening thread's
    bool m_ended = false;
};
