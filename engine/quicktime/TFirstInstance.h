#pragma once
// Remembers the first object of a class in its static sInstance until that object goes.
template <class T>
class TFirstInstance {
public:
    TFirstInstance()
    {
        if (!sInstance) sInstance = static_cast<T*>(this);
    }
    TFirstInstance(const TFirstInstance&) = delete;
    TFirstInstance& operator=(const TFirstInstance&) = delete;
    ~TFirstInstance()
    {
        if (sInstance == static_cast<T*>(this)) sInstance = nullptr;
    }

    static inline T* sInstance = nullptr;
};
