#pragma once
// One MP3 encoder stream: the settings of a configuration record applied to the encoder,
// chunks of interleaved PCM in, frames out.
#include "LameEnc.h"

#include <memory>
#include <mutex>
#include <vector>

struct lame_global_struct;

class EncoderStream {
public:
    ~EncoderStream();
    EncoderStream(const EncoderStream&) = delete;
    EncoderStream& operator=(const EncoderStream&) = delete;

    // The stream for a record, or null with the reason in error.
    static std::unique_ptr<EncoderStream> Create(const BE_CONFIG& config, BE_ERR* error);

    DWORD ChunkSamples() const { return chunkSamples_; }
    DWORD BufferSize() const { return bufferSize_; }

    BE_ERR Encode(DWORD samples, const SHORT* pcm, BYTE* out, DWORD* written);
    BE_ERR Flush(BYTE* out, DWORD* written);

private:
    EncoderStream() = default;

    std::mutex mutex_;
    lame_global_struct* encoder_ = nullptr;
    int channels_ = 0;
    DWORD chunkSamples_ = 0;
    DWORD bufferSize_ = 0;
    bool flushed_ = false;
    std::vector<SHORT> pcm_; // aligned copy of the caller's samples
};
