#pragma once
// A picture device opened through libavdevice (a camera, the X11 screen): reads and
// decodes its next picture and turns it into an RGB32/RGB24 picture of the wanted size.
#include "dshow/DShowTypes.h"

#include <vector>

struct AVDictionary;
struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;
struct VIDEOINFOHEADER;

class CAvVideoInput {
public:
    CAvVideoInput() = default;
    CAvVideoInput(const CAvVideoInput&) = delete;
    CAvVideoInput& operator=(const CAvVideoInput&) = delete;
    ~CAvVideoInput() { Close(); }

    // Opens the device of that libavdevice input; the options are used up.
    bool Open(const char* input, const char* url, AVDictionary** options);
    void Close();
    bool IsOpen() const { return m_input != nullptr; }
    // Waits for the next picture and draws it into `picture` as the header describes;
    // false when the device is gone. `time` is the picture's time from the first one,
    // or -1 when the device gives none.
    bool Read(const VIDEOINFOHEADER& info, std::vector<BYTE>& picture, REFERENCE_TIME& time);

private:
    AVFormatContext* m_input = nullptr;
    AVCodecContext* m_decoder = nullptr;
    AVFrame* m_frame = nullptr;
    AVPacket* m_packet = nullptr;
    SwsContext* m_scaler = nullptr;
    int64_t m_firstPts = 0;
    bool m_havePts = false;
};
