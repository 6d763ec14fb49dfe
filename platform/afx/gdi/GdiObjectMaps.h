#pragma once
// Internal to the class library: the handle maps of the GDI wrapper classes.
#include "afx/gdi/CGdiObject.h"
#include "afx/HandleMap.h"

#include <mutex>
#include <vector>

namespace mvafx {

// The temporary wrappers of every GDI class, freed together.
inline std::vector<void (*)()>& GdiTempCleaners()
{
    static auto* cleaners = new std::vector<void (*)()>;
    return *cleaners;
}
inline std::mutex& GdiTempLock()
{
    static auto* lock = new std::mutex;
    return *lock;
}

template <class T> MvHandleMap<T, HGDIOBJ>& GdiMap()
{
    static auto* map = [] {
        auto* m = new MvHandleMap<T, HGDIOBJ>;
        std::lock_guard<std::mutex> guard(GdiTempLock());
        GdiTempCleaners().push_back([] { GdiMap<T>().DeleteTemporary(); });
        return m;
    }();
    return *map;
}

}

template <class T> T* CGdiObject::FromHandleAs(HGDIOBJ object)
{
    if (!object) return nullptr;
    if (auto* attached = dynamic_cast<T*>(mvafx::GdiMap<CGdiObject>().Permanent(object))) return attached;
    return mvafx::GdiMap<T>().FromHandle(object);
}
