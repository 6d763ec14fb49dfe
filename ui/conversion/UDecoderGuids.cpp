#include "UDecoderGuids.h"

#include "CAudioDecoderInfo.h"
#include "CDecoderItem.h"
#include "CPropertyList.h"
#include "CPropertyValue.h"
#include "CVideoDecoderInfo.h"
#include "UGuidUtils.h"

#include <cstring>

void UDecoderGuids::ReplaceGuid(CPropertyList& list)
{
    for (int i = 0; i < list.GetValueCount(); ++i) {
        CPropertyValue* value = list.GetValue(i);
        if (!value || std::strcmp(value->GetName(), "  Decoder") != 0) continue;
        const GUID id = UGuidUtils::GuidFromString(value->GetValue());
        if (id == GUID_NULL) continue;
        CDecoderItem* decoder = CVideoDecoderInfo::GetInfo()->Find(id);
        if (!decoder) decoder = CAudioDecoderInfo::GetInfo()->Find(id);
        // A copy: the name must outlive the value's change.
        if (decoder) value->SetValue(CString(decoder->GetName()));
    }
}
