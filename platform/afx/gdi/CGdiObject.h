#pragma once
// The class library's wrapper of a GDI object handle; deletes the object it holds unless detached.
#include "afx/CObject.h"

class CGdiObject : public CObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) : CObject() {}  // a copy holds no object
    CGdiObject& operator=(const CGdiObject&) { return *this; }
    ~CGdiObject() override;

    HGDIOBJ m_hObject = nullptr;
    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    static CGdiObject* FromHandle(HGDIOBJ object);

    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int index);
    int GetObject(int size, void* buffer) const;
    UINT GetObjectType() const;

    void SetTemporaryHandle(HGDIOBJ object) { m_hObject = object; m_temporary = true; }

protected:
    // The attached wrapper of a handle when it is of class T, else a temporary T that wraps it.
    template <class T> static T* FromHandleAs(HGDIOBJ object);

private:
    bool m_temporary = false;
};

// Frees the temporary wrappers made by FromHandle (at idle time).
void MvDeleteTempGdiObjects();
