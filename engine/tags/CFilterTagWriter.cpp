#include "CFilterTagWriter.h"

#include "CDirectShowFilter.h"
#include "CMediaTags.h"
#include "CNamedValue.h"
#include "EncoderTagInterface.h"
#include "dshow/DShowInterfaces.h"

bool CFilterTagWriter::Write(CMediaTags& tags)
{
    IBaseFilter* filter = GetWriter() ? GetWriter()->GetFilter() : nullptr;
    IEncoderTags* writer = nullptr;
    if (!filter || FAILED(QueryInterfaceTo(filter, &writer)) || !writer) return false;
    bool taken = true;
    for (int i = 0; i < tags.GetValueCount(); ++i) {
        const CNamedValue* tag = tags.GetValue(i);
        taken = SUCCEEDED(writer->SetTag(tag->GetName(), tag->GetValue())) && taken;
    }
    writer->Release();
    return taken;
}
