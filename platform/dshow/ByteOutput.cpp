#include "dshow/ByteOutput.h"

#include "dshow/MediaType.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace {
constexpr int kIoBuffer = 64 * 1024;
}

bool AttachByteOutput(AVFormatContext& output, void* opaque, ByteWriter write, ByteSeeker seek)
{
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBuffer));
    output.pb = buffer ? avio_alloc_context(buffer, kIoBuffer, 1, opaque, nullptr, write, seek) : nullptr;
    if (output.pb) return true;
    av_free(buffer);
    return false;
}

void FreeByteOutput(AVFormatContext*& output)
{
    if (!output) return;
    if (output->pb) {
        av_freep(&output->pb->buffer);
        avio_context_free(&output->pb);
    }
    avformat_free_context(output);
    output = nullptr;
}

void MakeByteStreamType(CMediaType& type)
{
    type = CMediaType();
    type.SetType(MEDIATYPE_Stream);
    type.SetFormatType(FORMAT_None);
    type.SetVariableSize();
}
