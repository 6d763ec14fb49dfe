#include "win32/gdi/GdiObject.h"

#include <mutex>
#include <unordered_set>

namespace {

struct LiveTable {
    std::mutex lock;
    std::unordered_set<const void*> objects;
};

LiveTable& Live()
{
    static LiveTable* table = new LiveTable;  // outlives static objects that free handles at exit
    return *table;
}

}

GdiObject::GdiObject(GdiKind kind) : mKind(kind)
{
    std::lock_guard<std::mutex> guard(Live().lock);
    Live().objects.insert(this);
}

GdiObject::~GdiObject()
{
    std::lock_guard<std::mutex> guard(Live().lock);
    Live().objects.erase(this);
}

GdiObject* GdiObject::Find(const void* handle)
{
    if (!handle) return nullptr;
    std::lock_guard<std::mutex> guard(Live().lock);
    if (!Live().objects.count(handle)) return nullptr;
    return static_cast<GdiObject*>(const_cast<void*>(handle));
}
