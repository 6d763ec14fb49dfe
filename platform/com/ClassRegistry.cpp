#include "com/ClassRegistry.h"

#include <mutex>
#include <utility>
#include <vector>

namespace {

struct Registry {
    std::mutex lock;
    std::vector<std::pair<CLSID, ComClassFactory>> classes;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

} // namespace

ComClassFactory ComRegisterClass(REFCLSID clsid, ComClassFactory factory)
{
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    for (auto it = r.classes.begin(); it != r.classes.end(); ++it) {
        if (it->first != clsid) continue;
        ComClassFactory previous = it->second;
        if (factory)
            it->second = factory;
        else
            r.classes.erase(it);
        return previous;
    }
    if (factory) r.classes.emplace_back(clsid, factory);
    return nullptr;
}

ComClassFactory ComFindClass(REFCLSID clsid)
{
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> guard(r.lock);
    for (const auto& entry : r.classes)
        if (entry.first == clsid) return entry.second;
    return nullptr;
}
