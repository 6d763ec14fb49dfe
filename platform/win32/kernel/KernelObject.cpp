#include "win32/kernel/KernelObject.h"
#include "win32/kernel/Threads.h"
#include "win32/WinError.h"

#include <unordered_map>

namespace {

struct HandleTable {
    std::mutex lock;
    std::unordered_map<HANDLE, std::shared_ptr<MvKernelObject>> objects;
};

HandleTable& Table()
{
    static HandleTable* table = new HandleTable; // outlives every static destructor that closes handles
    return *table;
}

}

HANDLE MvRegisterHandle(std::shared_ptr<MvKernelObject> object)
{
    HANDLE handle = object.get();
    HandleTable& table = Table();
    std::lock_guard<std::mutex> guard(table.lock);
    table.objects[handle] = std::move(object);
    return handle;
}

std::shared_ptr<MvKernelObject> MvLookupHandle(HANDLE handle)
{
    HandleTable& table = Table();
    std::lock_guard<std::mutex> guard(table.lock);
    auto it = table.objects.find(handle);
    return it == table.objects.end() ? nullptr : it->second;
}

BOOL CloseHandle(HANDLE handle)
{
    std::shared_ptr<MvKernelObject> object;
    {
        HandleTable& table = Table();
        std::lock_guard<std::mutex> guard(table.lock);
        auto it = table.objects.find(handle);
        if (it == table.objects.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        object = std::move(it->second);
        table.objects.erase(it);
    }
    object.reset(); // outside the table lock: a file's destructor may take its time
    return TRUE;
}

std::mutex& MvWaitMutex()
{
    static std::mutex* lock = new std::mutex;
    return *lock;
}

std::condition_variable& MvWaitCondition()
{
    static std::condition_variable* condition = new std::condition_variable;
    return *condition;
}
