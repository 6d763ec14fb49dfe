#pragma once
// A drop target for persistent objects dragged within the process under the "Persist
// Object" format; it tells the window under the pointer to look, and drops nothing.
#include "afx/windows/COleDropTarget.h"

class CPersistObject;

class CPersistObjectDropTarget : public COleDropTarget {
public:
    static UINT sPersistObjectFormat;
    // Registers the clipboard format; run once when the library loads.
    static void Initialize();
    // The object address a drag carries under the format, null when it carries none.
    static CPersistObject* GetDraggedObject(COleDataObject* data);

    DROPEFFECT OnDragEnter(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point) override;
    BOOL OnDrop(CWnd* wnd, COleDataObject* data, DROPEFFECT effect, CPoint point) override;

    // What the last look found: the object under the pointer and the dragged one.
    CPersistObject* GetHitObject() const { return mHitObject; }
    CPersistObject* GetDroppedObject() const { return mDraggedObject; }

private:
    void Look(CWnd* wnd, COleDataObject* data, CPoint point);

    CPersistObject* mHitObject = nullptr;
    CPersistObject* mDraggedObject = nullptr;
};
