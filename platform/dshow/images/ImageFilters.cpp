// Registers the image encoders and writers, the image upload stage, the animated-GIF
// multiplexer and the FLC writer.
#include "com/ComRuntime.h"
#include "dshow/FilterRegistry.h"
#include "dshow/encoders/VideoEncoderFilter.h"
#include "dshow/images/AnimatedGifMux.h"
#include "dshow/images/FlcFileWriter.h"
#include "dshow/images/FtpImageWriter.h"
#include "dshow/images/ImageEncoder.h"
#include "dshow/images/ImageSeriesWriter.h"
#include "dshow/images/ImageUploadStage.h"
#include "dshow/images/ImageIds.h"
#include "dshow/images/ImageKinds.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

template <size_t N>
bool EncoderPresent()
{
    return avcodec_find_encoder_by_name(ImageKindAt(N)->filter->encoder) != nullptr;
}

template <size_t N>
HRESULT CreateEncoder(REFIID iid, void** object)
{
    if (!EncoderPresent<N>()) return REGDB_E_CLASSNOTREG;
    return CreateComObject<CImageEncoder>(iid, object, *ImageKindAt(N));
}

template <size_t N>
void RegisterEncoder()
{
    // An encoder the codec library lacks is not offered; the library is asked when one is
    // wanted, not when the program starts.
    const ImageKind* kind = ImageKindAt(N);
    if (kind)
        DShowRegisterFilter(*kind->filter->clsid, kind->filter->name, FilterRole::Other, 0, &CreateEncoder<N>,
                            GUID_NULL, &EncoderPresent<N>);
}

} // namespace

void DShowRegisterImageFilters()
{
    RegisterEncoder<0>();
    RegisterEncoder<1>();
    RegisterEncoder<2>();
    DShowRegisterFilter(CLSID_ImageFileWriter, "Image File Writer", FilterRole::Other, 0, &CImageSeriesWriter::Create);
    DShowRegisterFilter(CLSID_FtpImageWriter, "FTP Image Writer", FilterRole::Other, 0, &CFtpImageWriter::Create);
    DShowRegisterFilter(CLSID_ImageUploadStage, "Image Upload", FilterRole::Other, 0, &CImageUploadStage::Create);
    DShowRegisterFilter(CLSID_AnimatedGifMux, "Animated GIF Mux", FilterRole::Other, 0, &CAnimatedGifMux::Create);
    DShowRegisterFilter(CLSID_FlcFileWriter, "FLC Writer", FilterRole::Other, 0, &CFlcFileWriter::Create);
}
