#include "afx/gdi/CGdiObject.h"

#include "afx/gdi/GdiObjectMaps.h"
#include "win32/gdi/Gdi.h"

CGdiObject::~CGdiObject()
{
    if (!m_temporary) DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object)
{
    return FromHandleAs<CGdiObject>(object);
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (!object || m_hObject) return FALSE;
    m_hObject = object;
    m_temporary = false;
    mvafx::GdiMap<CGdiObject>().Attach(object, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    if (object && !m_temporary) mvafx::GdiMap<CGdiObject>().Detach(object);
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject) return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int index)
{
    return Attach(::GetStockObject(index));
}

int CGdiObject::GetObject(int size, void* buffer) const
{
    return ::GetObjectA(m_hObject, size, buffer);
}

UINT CGdiObject::GetObjectType() const
{
    return ::GetObjectType(m_hObject);
}

void MvDeleteTempGdiObjects()
{
    std::vector<void (*)()> cleaners;
    {
        std::lock_guard<std::mutex> guard(mvafx::GdiTempLock());
        cleaners = mvafx::GdiTempCleaners();
    }
    for (auto clean : cleaners) clean();
}
