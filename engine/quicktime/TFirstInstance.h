#pragma once
// Remembers the first object of a class in its static sInstance until that object goes.
// The object is still (or already no longer) a T while the base runs: the cast only moves the
// address to the derived object, which the dynamic type check cannot see yet.
template <class T>
class TFirstInstance {
public:
    __attribute__((no_sanitize("vptr"))) TFirstInstance()
    {
        if (!sInstance) sInstance = static_cast<T*>(this);
    }
    TFirstInstance(const TFirstInstance&) = delete;
    TFirstInstance& operator=(const TFirstInstance&) = delete;
    __attribute__((no_sanitize("vptr"))) ~TFirstInstance()
    {
        if (sInstance == static_cast<T*>(this)) sInstance = nullptr;
    }

    static inline T* sInstance = nullptr;
};
