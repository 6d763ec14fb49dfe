#include "win32/settings/SettingsBatch.h"
#include "win32/settings/LockedFile.h"
#include "win32/WinError.h"

#include <atomic>
#include <map>
#include <vector>

namespace {

struct StagedFile {
    std::string base;  // as read when the batch first touched it
    std::string bytes; // with the batch's edits
    std::vector<std::function<bool(std::string&)>> edits;
    uint64_t version = 0;
};

}

struct MvSettingsBatchState {
    int depth = 0;
    bool ownerOnly = false;
    std::map<std::string, StagedFile> files;
};

namespace {

thread_local MvSettingsBatchState tState;
std::atomic<uint64_t> sVersions{0};

}

MvSettingsBatch::MvSettingsBatch() : m_state(&tState) { ++tState.depth; }

MvSettingsBatch::~MvSettingsBatch() { Commit(); }

bool MvSettingsBatch::Commit()
{
    if (m_ended) return true;
    m_ended = true;
    // The state of the thread that opened the batch, even when another one ends it.
    MvSettingsBatchState& state = *m_state;
    if (--state.depth > 0) return true;
    // Taken out first, so the writes below go straight to the files.
    std::map<std::string, StagedFile> files = std::move(state.files);
    bool ownerOnly = state.ownerOnly;
    state = MvSettingsBatchState();
    bool ok = true;
    DWORD error = ERROR_SUCCESS;
    for (auto& entry : files) {
        const StagedFile& file = entry.second;
        if (file.edits.empty()) continue;
        bool written = MvLockedFile::Update(
            entry.first,
            [&file](std::string& bytes) {
                // Unchanged since the batch read it: its edited bytes are the answer. Otherwise
                // another writer came between, and the edits go on top of what it left.
                if (bytes == file.base) {
                    bytes = file.bytes;
                    return true;
                }
                bool changed = false;
                for (const auto& edit : file.edits) changed = edit(bytes) || changed;
                return changed;
            },
            ownerOnly);
        if (!written && ok) {
            ok = false;
            error = GetLastError();
        }
    }
    if (!ok) SetLastError(error);
    return ok;
}

void MvSettingsBatch::KeepPrivate()
{
    if (!m_ended) m_state->ownerOnly = true;
}

bool MvSettingsBatch::Active() { return tState.depth > 0; }

bool MvSettingsBatch::Stage(const std::string& path, const std::function<bool(std::string&)>& change)
{
    auto found = tState.files.find(path);
    if (found == tState.files.end()) {
        StagedFile file;
        bool truncated = false;
        if (!MvLockedFile::ReadFile(path, file.base, &truncated)) return false;
        if (truncated) {
            SetLastError(ERROR_CANTWRITE);
            return false;
        }
        file.bytes = file.base;
        file.version = ++sVersions;
        found = tState.files.emplace(path, std::move(file)).first;
    }
    StagedFile& file = found->second;
    std::string edited = file.bytes;
    if (!change(edited)) return true;
    if (edited.size() > MvLockedFile::kMaxSize) {
        SetLastError(ERROR_CANTWRITE);
        return false;
    }
    file.bytes = std::move(edited);
    file.edits.push_back(change);
    file.version = ++sVersions;
    return true;
}

const std::string* MvSettingsBatch::Staged(const std::string& path, uint64_t* version)
{
    auto found = tState.files.find(path);
    if (found == tState.files.end()) return nullptr;
    if (version) *version = found->second.version;
    return &found->second.bytes;
}
