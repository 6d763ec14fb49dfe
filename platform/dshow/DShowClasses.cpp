// Registers the graph manager and this layer's filters when the library loads.
#include "dshow/AudioDecoder.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/AudioRenderer.h"
#include "dshow/DeviceEnumerator.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/DvMultiplexer.h"
#include "dshow/FileSource.h"
#include "dshow/FilterGraph.h"
#include "dshow/MediaFileWriter.h"
#include "dshow/FilterRegistry.h"
#include "dshow/PcmConverterFilter.h"
#include "dshow/SinkFilter.h"
#include "dshow/StreamFileWriter.h"
#include "dshow/StreamMultiplexer.h"
#include "dshow/VideoDecoder.h"
#include "dshow/asf/AsfWriter.h"
#include "dshow/capture/PictureControls.h"
#include "dshow/capture/ScreenCaptureSource.h"
#include "dshow/quicktime/QuickTimeWriter.h"
#include "dshow/writers/FfFileWriter.h"
#include "dshow/writers/MpegFileWriter.h"
#include "dshow/decoders/DecoderIds.h"
#include "dshow/encoders/DvVideoEncoder.h"
#include "dshow/encoders/VideoEncoderFilter.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "dshow/images/ImageIds.h"
#include "dshow/renderers/RendererIds.h"
#include "dshow/renderers/VideoRenderer.h"
#include "dshow/sources/SourceIds.h"
#include "dshow/transforms/StageFilters.h"

namespace {

struct Registrar {
    Registrar()
    {
        DShowRegisterGraph();
        ComRegisterClass(CLSID_SystemDeviceEnum, &CSystemDeviceEnum::Create);
        // Files open through the byte-stream source and a splitter; the media file source
        // that offers the streams at once is created by its class id.
        DShowRegisterSourcesAndSplitters();
        DShowRegisterFilter(CLSID_FileSource, "Media File Source", FilterRole::Other, 0, &CFileSource::Create);
        DShowRegisterFilter(CLSID_AudioDecoder, "Audio Decoder", FilterRole::Transform, 100, &CAudioDecoder::Create);
        DShowRegisterFilter(CLSID_VideoDecoder, "Video Decoder", FilterRole::Transform, 100, &CVideoDecoder::Create);
        DShowRegisterFilter(CLSID_AudioRender, "Audio Renderer", FilterRole::Renderer, 100, &CAudioRenderer::Create,
                            CLSID_AudioRendererCategory);
        // Last choice of Render: a stream nothing else takes is consumed unseen.
        DShowRegisterFilter(CLSID_NullRenderer, "Null Renderer", FilterRole::Renderer, 1, &CNullRenderer::Create);
        DShowRegisterFilter(CLSID_UntimedRenderer, "Untimed Renderer", FilterRole::Other, 0, &CNullRenderer::CreateUntimed);
        DShowRegisterFilter(CLSID_AudioResampler, "Audio Resampler", FilterRole::Other, 0,
                            &CPcmConverterFilter::Create<CLSID_AudioResampler>);
        DShowRegisterFilter(CLSID_AudioRechanneler, "Audio Rechanneler", FilterRole::Other, 0,
                            &CPcmConverterFilter::Create<CLSID_AudioRechanneler>);
        DShowRegisterFileWriters();
        DShowRegisterFilter(CLSID_WmAsfWriter, "WM ASF Writer", FilterRole::Other, 0, &CAsfWriter::Create);
        DShowRegisterQuickTimeWriters();
        DShowRegisterMpegWriter();
        DShowRegisterFfWriters();
        DShowRegisterAudioEncoders();
        DShowRegisterMultiplexers();
        DShowRegisterFilter(CLSID_DvMux, "DV Muxer", FilterRole::Other, 0, &CDvMultiplexer::Create);
        DShowRegisterFilter(CLSID_FileWriter, "File Writer", FilterRole::Other, 0, &CStreamFileWriter::Create);
        DShowRegisterFilter(CLSID_OwnFileWriter, "Morvane File Writer", FilterRole::Other, 0, &CStreamFileWriter::CreateOwn);
        DShowRegisterStageFilters();
        DShowRegisterDecoders();
        DShowRegisterPictureControlsPage();
        DShowRegisterFilter(CLSID_ScreenCaptureSource, "Screen Capture", FilterRole::Other, 0, &CScreenCaptureSource::Create);
        DShowRegisterVideoEncoders();
        DShowRegisterImageFilters();
        DShowRegisterFilter(CLSID_DvVideoEncoder, "DV Video Encoder", FilterRole::Other, 0, &CDvVideoEncoder::Create,
                            CLSID_VideoCompressorCategory);
        DShowRegisterFilter(CLSID_VideoMixingRenderer9, "Video Mixing Renderer 9", FilterRole::Other, 0,
                            &CVideoRenderer::Create<CLSID_VideoMixingRenderer9>);
        DShowRegisterFilter(CLSID_VideoRenderer, "Video Renderer", FilterRole::Other, 0,
                            &CVideoRenderer::Create<CLSID_VideoRenderer>);
    }
} gRegistrar;

} // namespace
