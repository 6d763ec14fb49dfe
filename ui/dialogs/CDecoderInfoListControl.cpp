#include "CDecoderInfoListControl.h"

#include "CDecoderInfoListDisplay.h"
#include "CDecoderItem.h"
#include "UGuidUtils.h"
#include "UPanelsResources.h"
#include "afx/gdi/CBitmap.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"

void CDecoderInfoListControl::CreateListHeaders()
{
    InsertColumn(0, "Name", LVCFMT_LEFT, 160);
    InsertColumn(1, "ID", LVCFMT_LEFT, 240);
    InsertColumn(2, "DMO", LVCFMT_RIGHT, 40);
}

CString CDecoderInfoListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    if (!object || !object->IsInstanceOf(CDecoderItem::kType)) return "";
    auto* item = static_cast<CDecoderItem*>(object);
    switch (column) {
    case 0: return item->GetName();
    case 1: return UGuidUtils::GuidToString(item->GetId());
    case 2: return item->GetIsDmo() ? "Yes" : "";
    default: return "";
    }
}

CObjectDisplay* CDecoderInfoListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CDecoderInfoListDisplay(this) : nullptr;
}

UINT CDecoderInfoListControl::GetImageListResource(int& width, int& height)
{
    width = 16;
    height = 15;
    return 11067;
}

void CDecoderInfoListControl::InstallRowImages()
{
    int width = 0, height = 0;
    const UINT id = GetImageListResource(width, height);
    mImageList.DeleteImageList();
    if (!mImageList.Create(width, height, ILC_COLORDDB | ILC_MASK, 0, 1)) return;
    CBitmap bitmap;
    if (bitmap.Attach(::LoadBitmapA(UPanelsResources::Module(), MAKEINTRESOURCEA(id))))
        mImageList.Add(static_cast<HBITMAP>(bitmap), RGB(0, 0, 0));
    InstallImageList(&mImageList);
}
