#include "win32/settings/Registry.h"
#include "win32/settings/LockedFile.h"
#include "win32/settings/RegistryTree.h"
#include "win32/settings/SettingsBatch.h"
#include "win32/kernel/ShellFolders.h"
#include "win32/WinError.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unordered_set>

struct HKEY__ {
    int root;
    std::string path;
    REGSAM access;
};

namespace {

constexpr int kRootCount = 4;
const char* const kRootFiles[kRootCount] = {"classes.reg", "user.reg", "machine.reg", "users.reg"};
constexpr int kUserRoot = 1;
constexpr int kMachineRoot = 2;
constexpr DWORD kMaxValueSize = 1u << 20;

struct Cached {
    bool valid = false;
    std::string path;
    struct stat st {};
    MvRegKey tree;
};

struct Store {
    std::mutex lock;
    std::unordered_set<HKEY__*> open;
    Cached cache[kRootCount];
};

Store& TheStore()
{
    static Store* store = new Store; // handles may be closed by other libraries' static destructors
    return *store;
}

int RootIndex(HKEY key)
{
    uintptr_t value = reinterpret_cast<uintptr_t>(key);
    return value >= 0x80000000u && value < 0x80000000u + kRootCount ? static_cast<int>(value - 0x80000000u) : -1;
}

std::string RootFile(int root) { return MvConfigHome() + "/Morvane/" + kRootFiles[root]; }

// What every installation holds, present even before the file says anything.
void AddRootDefaults(int root, MvRegKey& tree)
{
    if (root == kUserRoot) tree.FindPath("Software", true);
    if (root != kMachineRoot) return;
    MvRegKey* version = tree.FindPath("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", true);
    if (!version->FindValue("CurrentVersion")) version->SetValue({"CurrentVersion", REG_SZ, "5.1"});
    if (!version->FindValue("CurrentBuildNumber")) version->SetValue({"CurrentBuildNumber", REG_SZ, "2600"});
}

void Load(int root, const std::string& bytes, MvRegKey& tree)
{
    tree.Parse(bytes);
    AddRootDefaults(root, tree);
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// The root's tree as this thread's open settings batch holds it, or null when the batch has not
// changed the root's file.
const MvRegKey* Staged(int root, const std::string& path)
{
    uint64_t version = 0;
    const std::string* bytes = MvSettingsBatch::Staged(path, &version);
    if (!bytes) return nullptr;
    struct Copy {
        std::string path;
        uint64_t version = 0;
        MvRegKey tree;
    };
    thread_local Copy copies[kRootCount];
    Copy& copy = copies[root];
    if (copy.path != path || copy.version != version) {
        copy.tree = MvRegKey();
        Load(root, *bytes, copy.tree);
        copy.path = path;
        copy.version = version;
    }
    return &copy.tree;
}

// The root's tree as its file holds it now. Called with the store locked.
const MvRegKey& Current(Store& store, int root)
{
    Cached& cached = store.cache[root];
    std::string path = RootFile(root);
    if (const MvRegKey* staged = Staged(root, path)) return *staged;
    struct stat st {};
    bool exists = ::stat(path.c_str(), &st) == 0;
    if (cached.valid && cached.path == path && (exists ? SameFile(st, cached.st) : cached.st.st_ino == 0)) return cached.tree;
    std::string bytes;
    MvLockedFile::Read(path, bytes); // an unreadable file reads as empty; it is never rewritten blindly
    cached.tree = MvRegKey();
    Load(root, bytes, cached.tree);
    cached.path = path;
    if (!exists) st = {};
    cached.st = st;
    cached.valid = true;
    return cached.tree;
}

// Reads, changes and writes the root's file; edit returns an error code, ERROR_SUCCESS to write,
// or -1 when nothing needs writing. The edit keeps copies of what it needs: a settings batch
// replays it later on the file's newest contents.
LONG Modify(Store& store, int root, std::function<LONG(MvRegKey&)> edit)
{
    std::string path = RootFile(root);
    size_t slash = path.find_last_of('/');
    if (!MvCreateFolders(path.substr(0, slash))) return ERROR_ACCESS_DENIED;
    auto result = std::make_shared<LONG>(ERROR_SUCCESS);
    // Not synced: the system's registry, too, leaves a change to its lazy writer, and a
    // settings load marks and clears its crash guard here each time, two disk flushes a load.
    auto change = [root, edit = std::move(edit), result](std::string& bytes) {
        MvRegKey tree;
        Load(root, bytes, tree);
        *result = edit(tree);
        if (*result != ERROR_SUCCESS) return false;
        bytes = tree.Write();
        return true;
    };
    bool ok = MvLockedFile::Update(path, change, false, false);
    store.cache[root].valid = false;
    if (*result == -1) return ERROR_SUCCESS;
    if (!ok) return static_cast<LONG>(GetLastError() ? GetLastError() : ERROR_CANTWRITE);
    return *result;
}

struct Target {
    int root = -1;
    std::string path;
    REGSAM access = 0;
};

// Called with the store locked.
bool Resolve(Store& store, HKEY key, Target& target)
{
    int root = RootIndex(key);
    if (root >= 0) {
        target = {root, {}, KEY_ALL_ACCESS};
        return true;
    }
    if (!key || !store.open.count(key)) return false;
    target = {key->root, key->path, key->access};
    return true;
}

// Joins a sub key path below a key's path; false for an invalid name or a path too deep.
bool Join(const std::string& base, const char* subKey, std::string& out)
{
    out = base;
    if (!subKey) return true;
    std::string sub(subKey);
    size_t depth = 0;
    for (size_t at = 0; at <= sub.size();) {
        size_t end = sub.find('\\', at);
        if (end == std::string::npos) end = sub.size();
        if (end > at) {
            std::string name = sub.substr(at, end - at);
            if (!MvRegKey::IsValidKeyName(name) || ++depth > MvRegKey::kMaxDepth) return false;
            if (!out.empty()) out += '\\';
            out += name;
        }
        at = end + 1;
    }
    return true;
}

MvRegKey* FindKey(const MvRegKey& tree, const std::string& path)
{
    return const_cast<MvRegKey&>(tree).FindPath(path, false);
}

LONG OpenOrCreate(HKEY parent, const char* subKey, REGSAM access, bool create, HKEY* result, DWORD* disposition)
{
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    Store& store = TheStore();
    std::lock_guard<std::mutex> guard(store.lock);
    Target target;
    if (!Resolve(store, parent, target)) return ERROR_INVALID_HANDLE;
    std::string path;
    if (!Join(target.path, subKey, path)) return create ? ERROR_INVALID_PARAMETER : ERROR_FILE_NOT_FOUND;
    const MvRegKey& tree = Current(store, target.root);
    if (!FindKey(tree, target.path)) return ERROR_KEY_DELETED;
    bool exists = FindKey(tree, path) != nullptr;
    if (!exists) {
        if (!create) return ERROR_FILE_NOT_FOUND;
        if (!(target.access & KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
        LONG error = Modify(store, target.root, [target, path](MvRegKey& fresh) -> LONG {
            if (!FindKey(fresh, target.path)) return ERROR_KEY_DELETED;
            if (FindKey(fresh, path)) return -1;
            return fresh.FindPath(path, true) ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
        });
        if (error != ERROR_SUCCESS) return error;
    }
    if (disposition) *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    HKEY key = new HKEY__{target.root, path, access};
    store.open.insert(key);
    *result = key;
    return ERROR_SUCCESS;
}

}

LONG RegOpenKeyEx(HKEY parent, const char* subKey, DWORD, REGSAM access, HKEY* result)
{
    return OpenOrCreate(parent, subKey, access, false, result, nullptr);
}

LONG RegCreateKeyEx(HKEY parent, const char* subKey, DWORD, char*, DWORD, REGSAM access, void*, HKEY* result, DWORD* disposition)
{
    return OpenOrCreate(parent, subKey, access, true, result, disposition);
}

LONG RegCloseKey(HKEY key)
{
    if (RootIndex(key) >= 0) return ERROR_SUCCESS;
    Store& store = TheStore();
    std::lock_guard<std::mutex> guard(store.lock);
    if (!key || !store.open.erase(key)) return ERROR_INVALID_HANDLE;
    delete key;
    return ERROR_SUCCESS;
}

LONG RegQueryValueEx(HKEY key, const char* valueName, DWORD*, DWORD* type, BYTE* data, DWORD* size)
{
    if (data && !size) return ERROR_INVALID_PARAMETER;
    Store& store = TheStore();
    std::lock_guard<std::mutex> guard(store.lock);
    Target target;
    if (!Resolve(store, key, target)) return ERROR_INVALID_HANDLE;
    if (!(target.access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    const MvRegKey* found = FindKey(Current(store, target.root), target.path);
    if (!found) return ERROR_KEY_DELETED;
    const MvRegValue* value = found->FindValue(valueName ? valueName : "");
    if (!value) return ERROR_FILE_NOT_FOUND;
    bool text = value->type == REG_SZ;
    DWORD needed = static_cast<DWORD>(value->data.size() + (text ? 1 : 0));
    if (type) *type = value->type;
    if (!data) {
        if (size) *size = needed;
        return ERROR_SUCCESS;
    }
    if (*size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, value->data.data(), value->data.size());
    if (text) data[value->data.size()] = 0;
    *size = needed;
    return ERROR_SUCCESS;
}

namespace {

// Changes the values of an open key that allows setting them.
LONG ChangeValues(HKEY key, std::function<LONG(MvRegKey&)> change)
{
    Store& store = TheStore();
    std::lock_guard<std::mutex> guard(store.lock);
    Target target;
    if (!Resolve(store, key, target)) return ERROR_INVALID_HANDLE;
    if (!(target.access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    return Modify(store, target.root, [path = target.path, change = std::move(change)](MvRegKey& tree) -> LONG {
        MvRegKey* found = FindKey(tree, path);
        return found ? change(*found) : ERROR_KEY_DELETED;
    });
}

}

LONG RegSetValueEx(HKEY key, const char* valueName, DWORD, DWORD type, const BYTE* data, DWORD size)
{
    if ((!data && size) || size > kMaxValueSize) return ERROR_INVALID_PARAMETER;
    std::string name = valueName ? valueName : "";
    if (name.size() > MvRegKey::kMaxValueName) return ERROR_INVALID_PARAMETER;
    std::string bytes(reinterpret_cast<const char*>(data ? data : reinterpret_cast<const BYTE*>("")), size);
    if (type == REG_SZ) bytes = bytes.substr(0, bytes.find('\0'));
    return ChangeValues(key, [name, type, bytes](MvRegKey& found) -> LONG {
        found.SetValue({name, type, bytes});
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteValue(HKEY key, const char* valueName)
{
    std::string name = valueName ? valueName : "";
    return ChangeValues(key, [name](MvRegKey& found) -> LONG {
        return found.RemoveValue(name) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

LONG RegDeleteKey(HKEY parent, const char* subKey)
{
    Store& store = TheStore();
    std::lock_guard<std::mutex> guard(store.lock);
    Target target;
    if (!Resolve(store, parent, target)) return ERROR_INVALID_HANDLE;
    std::string path;
    if (!subKey || !*subKey || !Join(target.path, subKey, path) || path == target.path) return ERROR_INVALID_PARAMETER;
    size_t slash = path.find_last_of('\\');
    std::string above = slash == std::string::npos ? std::string() : path.substr(0, slash);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return Modify(store, target.root, [path, above, name](MvRegKey& tree) -> LONG {
        MvRegKey* found = FindKey(tree, path);
        if (!found) return ERROR_FILE_NOT_FOUND;
        if (found->KeyCount() > 0) return ERROR_ACCESS_DENIED;
        FindKey(tree, above)->RemoveKey(name);
        return ERROR_SUCCESS;
    });
}

LONG RegEnumKeyEx(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD*, char* keyClass, DWORD* classSize, FILETIME* lastWriteTime)
{
    if (!name || !nameSize) return ERROR_INVALID_PARAMETER;
    Store& store = TheStore();
    std::lock_guard<std::mutex> guard(store.lock);
    Target target;
    if (!Resolve(store, key, target)) return ERROR_INVALID_HANDLE;
    if (!(target.access & KEY_ENUMERATE_SUB_KEYS)) return ERROR_ACCESS_DENIED;
    const MvRegKey* found = FindKey(Current(store, target.root), target.path);
    if (!found) return ERROR_KEY_DELETED;
    const MvRegKey* sub = found->KeyAt(index);
    if (!sub) return ERROR_NO_MORE_ITEMS;
    if (sub->Name().size() + 1 > *nameSize) return ERROR_MORE_DATA;
    std::memcpy(name, sub->Name().c_str(), sub->Name().size() + 1);
    *nameSize = static_cast<DWORD>(sub->Name().size());
    if (keyClass && classSize && *classSize > 0) keyClass[0] = '\0';
    if (classSize) *classSize = 0;
    if (lastWriteTime) *lastWriteTime = FILETIME{0, 0};
    return ERROR_SUCCESS;
}
