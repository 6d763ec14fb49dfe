#pragma once
// The FFmpeg side of the library: a picture encoder, a sound encoder and a file writer,
// shared by the standard compressor, the movie exporters and the movie files.
#include "quicktime/QuickTimeInternal.h"

#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;
struct SwrContext;

// Opens the encoder a format code maps to; a clear error when there is none here.
class CCodecSession {
public:
    CCodecSession() = default;
    CCodecSession(const CCodecSession&) = delete;
    CCodecSession& operator=(const CCodecSession&) = delete;
    virtual ~CCodecSession();
    AVCodecContext* Context() const { return m_context; }
    // The next packet the encoder has ready; false when none.
    bool Receive(AVPacket* packet);
    // No more input: the packets held back come out through Receive.
    void Flush();

protected:
    OSErr Prepare(OSType format, AVCodecContext*& context);
    AVCodecContext* m_context = nullptr;
    AVFrame* m_frame = nullptr;
};

class CPictureEncoder : public CCodecSession {
public:
    ~CPictureEncoder() override;
    // Pixel size in bits: 16, 24 or 32.
    OSErr Open(OSType format, int width, int height, int pixelSize, const SCompressionSettings& settings,
               bool globalHeader);
    // One picture, its rows top first; pts in frames.
    OSErr Send(const uint8_t* rows, int rowBytes, int64_t pts);

private:
    SwsContext* m_scale = nullptr;
    int m_sourceFormat = -1;
};

class CSoundEncoder : public CCodecSession {
public:
    ~CSoundEncoder() override;
    OSErr Open(OSType format, int inRate, int inChannels, const SCompressionSettings& settings, bool globalHeader);
    // Interleaved 16-bit samples as the source carries them.
    OSErr Send(const uint8_t* pcm, int samples);
    void Finish();

private:
    OSErr EncodeReady(bool all);
    SwrContext* m_resample = nullptr;
    int m_inChannels = 0;
    int64_t m_pts = 0;
};

// A media file written by FFmpeg's multiplexer for a QuickTime file type.
class CMovieFileWriter {
public:
    CMovieFileWriter() = default;
    CMovieFileWriter(const CMovieFileWriter&) = delete;
    CMovieFileWriter& operator=(const CMovieFileWriter&) = delete;
    ~CMovieFileWriter();
    // The multiplexer's name ("mov", "mp4", "3gp", ...).
    OSErr Open(const std::string& path, const char* container);
    // A stream described by an encoder, or by a codec's id, size and set-up bytes.
    int AddStream(const AVCodecContext* context);
    int AddStream(int codecId, bool video, int width, int height, const std::string& extradata, int timeScale);
    OSErr Begin();
    // The packet's times are in the given time base.
    OSErr Write(AVPacket* packet, int stream, int timeBaseNum, int timeBaseDen);
    OSErr End();
    // Every packet the session has ready.
    OSErr Drain(CCodecSession& session, int stream);

private:
    AVFormatContext* m_output = nullptr;
    bool m_begun = false;
};

// The container FFmpeg writes for a QuickTime file type; null for none.
const char* ContainerFor(OSType fileType);
// Whether the container keeps the codecs' set-up bytes in its header.
bool NeedsGlobalHeader(const char* container);
// FFmpeg's codec id for a format code; 0 when there is no encoder for it here.
int CodecIdFor(OSType format);
