#include "CCodecListControl.h"

#include "CCodecInfo.h"
#include "CCodecListDisplay.h"
#include "CPersistList.h"
#include "win32/controls/CommCtrl.h"

CPersistList* CCodecListControl::GetList(CPersistObject* object)
{
    return dynamic_cast<CPersistList*>(object);
}

void CCodecListControl::CreateListHeaders()
{
    InsertColumn(0, "Codec", LVCFMT_LEFT, 400);
}

UINT CCodecListControl::GetImageListResource(int& width, int& height)
{
    width = 16;
    height = 16;
    return 11035;
}

CString CCodecListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    auto* codec = dynamic_cast<CCodecInfo*>(object);
    if (!codec || column != 0) return "Error";
    return codec->GetDisplayName();
}

bool CCodecListControl::GetObjectChecked(CPersistObject* object)
{
    auto* codec = dynamic_cast<CCodecInfo*>(object);
    return codec && !codec->GetSkipped();
}

bool CCodecListControl::CheckObject(CPersistObject* object, bool checked)
{
    auto* codec = dynamic_cast<CCodecInfo*>(object);
    if (!codec) return false;
    codec->SetSkipped(!checked);
    return true;
}

CObjectDisplay* CCodecListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CCodecListDisplay(this) : nullptr;
}
