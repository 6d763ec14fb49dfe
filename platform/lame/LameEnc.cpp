#include "LameEnc.h"
#include "EncoderStream.h"
#include "StreamTable.h"

BE_EXPORT BE_ERR beInitStream(BE_CONFIG* pbeConfig, DWORD* dwSamples, DWORD* dwBufferSize,
                              HBE_STREAM* phbeStream)
{
    if (dwSamples) *dwSamples = 0;
    if (dwBufferSize) *dwBufferSize = 0;
    if (phbeStream) *phbeStream = 0;
    if (!pbeConfig || !dwSamples || !dwBufferSize || !phbeStream) return BE_ERR_INVALID_FORMAT_PARAMETERS;
    BE_ERR error = BE_ERR_SUCCESSFUL;
    std::unique_ptr<EncoderStream> stream = EncoderStream::Create(*pbeConfig, &error);
    if (!stream) return error;
    DWORD samples = stream->ChunkSamples();
    DWORD size = stream->BufferSize();
    HBE_STREAM handle = StreamTable::Instance().Add(std::move(stream));
    if (!handle) return BE_ERR_NO_MORE_HANDLES;
    *dwSamples = samples;
    *dwBufferSize = size;
    *phbeStream = handle;
    return BE_ERR_SUCCESSFUL;
}

BE_EXPORT BE_ERR beEncodeChunk(HBE_STREAM hbeStream, DWORD nSamples, const SHORT* pSamples,
                               BYTE* pOutput, DWORD* pdwOutput)
{
    std::shared_ptr<EncoderStream> stream = StreamTable::Instance().Find(hbeStream);
    if (!stream) {
        if (pdwOutput) *pdwOutput = 0;
        return BE_ERR_INVALID_HANDLE;
    }
    return stream->Encode(nSamples, pSamples, pOutput, pdwOutput);
}

BE_EXPORT BE_ERR beDeinitStream(HBE_STREAM hbeStream, BYTE* pOutput, DWORD* pdwOutput)
{
    std::shared_ptr<EncoderStream> stream = StreamTable::Instance().Find(hbeStream);
    if (!stream) {
        if (pdwOutput) *pdwOutput = 0;
        return BE_ERR_INVALID_HANDLE;
    }
    return stream->Flush(pOutput, pdwOutput);
}

BE_EXPORT BE_ERR beCloseStream(HBE_STREAM hbeStream)
{
    return StreamTable::Instance().Remove(hbeStream) ? BE_ERR_SUCCESSFUL : BE_ERR_INVALID_HANDLE;
}
