#include "CDvDecoderFilter.h"

#include "DvDecoderInterface.h"
#include "dshow/DShowInterfaces.h"

void CDvDecoderFilter::CompleteCreate()
{
    CDirectShowFilter::CompleteCreate();
    IIPDVDec* decoder = nullptr;
    if (FAILED(QueryInterfaceTo(GetFilter(), &decoder)) || !decoder) return;
    decoder->put_IPDisplay(DVRESOLUTION_FULL);
    decoder->Release();
}
