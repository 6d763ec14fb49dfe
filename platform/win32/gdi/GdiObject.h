#pragma once
// Internal: the base of every GDI object and the table of live handles, so that a
// stale or foreign handle is refused instead of followed.
#include "win32/WinTypes.h"

enum class GdiKind { Pen = 1, Brush = 2, Dc = 3, Font = 6, Bitmap = 7, Region = 8, Icon = 100 };

class GdiObject {
public:
    explicit GdiObject(GdiKind kind);
    virtual ~GdiObject();
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    GdiKind Kind() const { return mKind; }
    bool IsStock() const { return mStock; }
    void MarkStock() { mStock = true; }
    // How many device contexts hold it selected; a selected object is not deleted.
    int mSelected = 0;

    void* Handle() { return this; }

    // The live object of the given kind behind a handle, or null.
    static GdiObject* Find(const void* handle);
    template <class T> static T* From(const void* handle)
    {
        GdiObject* object = Find(handle);
        return object && object->Kind() == T::kKind ? static_cast<T*>(object) : nullptr;
    }

private:
    GdiKind mKind;
    bool mStock = false;
};

template <class H> H ToHandle(GdiObject* object) { return reinterpret_cast<H>(object); }
