#pragma once
// Reference counting and QueryInterface for an object implementing the given
// interfaces. Objects are born with one reference, owned by their creator.
#include "com/Unknown.h"

#include <atomic>
#include <type_traits>

template <class... Interfaces>
class TComObject : public Interfaces... {
public:
    TComObject() = default;
    TComObject(const TComObject&) = delete;
    TComObject& operator=(const TComObject&) = delete;

    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        void* found = nullptr;
        (Find<Interfaces>(iid, found) || ...);
        if (!found) return E_NOINTERFACE;
        AddRef();
        *object = found;
        return S_OK;
    }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override
    {
        ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

protected:
    ~TComObject() override = default;

private:
    template <class I>
    static bool InChain(REFIID iid)
    {
        if (iid == I::kIid) return true;
        if constexpr (std::is_same_v<typename I::Base, void>)
            return false;
        else
            return InChain<typename I::Base>(iid);
    }
    template <class I>
    bool Find(REFIID iid, void*& found)
    {
        if (!InChain<I>(iid)) return false;
        found = static_cast<I*>(this);
        return true;
    }

    std::atomic<ULONG> m_references{1};
};

// Creates an object and hands out the asked interface; the creator's own reference
// is dropped, so a failed lookup frees the object.
template <class T, class... Args>
HRESULT CreateComObject(REFIID iid, void** object, Args&&... args)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    T* created = new T(static_cast<Args&&>(args)...);
    HRESULT hr = created->QueryInterface(iid, object);
    created->Release();
    return hr;
}
