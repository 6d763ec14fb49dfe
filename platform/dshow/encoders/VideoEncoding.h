#pragma once
// Encodes uncompressed pictures (RGB or YUV, see PictureFormat.h) with a named encoder:
// at most one conversion to the encoder's pixel format, frame numbering from the picture
// times, and the final flush.
#include "dshow/DShowTypes.h"
#include "dshow/encoders/EncodePackets.h"
#include "win32/gdi/Gdi.h"

#include <memory>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
class CPictureConverter;
struct VIDEOINFOHEADER;

// A fixed picture the encoder makes whatever the input's size and rate: pictures are
// repeated or dropped so that the stream keeps its rate.
struct VideoEncodingTarget {
    int width = 0, height = 0;
    int pixelFormat = -1;         // -1: the encoder's own choice
    int rateNum = 0, rateDen = 1; // frames per second; 0: the input's rate

    // The rate of that frame time, the NTSC rates (x 1000/1001) exactly.
    void SetFrameTime(REFERENCE_TIME frameTime);
};

class CVideoEncoding {
public:
    // Packets come out in the codec's time base (one frame).
    using PacketSink = EncodedPacketSink;

    CVideoEncoding();
    ~CVideoEncoding();
    CVideoEncoding(const CVideoEncoding&) = delete;
    CVideoEncoding& operator=(const CVideoEncoding&) = delete;

    // quality 1..99 (0: the encoder's default); bitRate 0: none set; options: the encoder's
    // own, as "key=value:key=value".
    HRESULT Open(const char* encoder, const VIDEOINFOHEADER& input, int quality, int64_t bitRate,
                 bool globalHeader, const VideoEncodingTarget* target = nullptr, const char* options = nullptr);
    void Close();
    // Pictures from one key frame to the next for the next Open; 0: the usual 12.
    void SetKeyFrameInterval(int frames) { m_keyFrames = frames; }
    bool IsOpen() const { return m_codec != nullptr; }
    AVCodecContext* Codec() const { return m_codec; }
    REFERENCE_TIME FrameTime() const { return m_frameTime; }
    // One picture of the input format; start is its time when timed. At a fixed rate the
    // picture is repeated until its stop (0: unknown).
    HRESULT Push(const BYTE* data, LONG size, bool timed, REFERENCE_TIME start, const PacketSink& sink,
                 REFERENCE_TIME stop = 0);
    HRESULT Finish(const PacketSink& sink);

private:
    HRESULT Encode(AVFrame* frame, const PacketSink& sink);
    // Encodes the last picture again for every frame before `before`, a gap at most so long.
    HRESULT Repeat(int64_t before, const PacketSink& sink);

    AVCodecContext* m_codec = nullptr;
    AVFrame* m_frame = nullptr;
    AVPacket* m_packet = nullptr;
    std::unique_ptr<CPictureConverter> m_converter;
    BITMAPINFOHEADER m_input{};
    REFERENCE_TIME m_frameTime = 0;
    int64_t m_lastPts = -1;
    bool m_fixedRate = false;
    int m_keyFrames = 0;
};
