#pragma once
// Compresses video frames with QuickTime's standard image compressor into a movie track.
// The output settings pages also use it for QuickTime's compression dialog and the
// settings blob that the dialog leaves.
#include "CHandle.h"
#include "CQuickTimeTrackEncoder.h"
#include "win32/WinTypes.h"

enum EColorFormat : int;

class CQuickTimeVideoEncoder : public CQuickTimeTrackEncoder {
public:
    static constexpr TimeScale kTimeScale = 90000;

    CQuickTimeVideoEncoder();
    ~CQuickTimeVideoEncoder() override;

    bool IsOpen() const override;
    // The track, its media edits and the drawing surface.
    bool Open() override;
    // Ends the compression and releases the drawing surface.
    void Close() override;
    bool OpenTrack() override;
    bool Encode(const unsigned char* data, uint32_t size, double start, double duration) override;

    // False when a compressor is already open.
    bool OpenCompressor();
    // QuickTime's compression dialog; the encoder takes what it leaves.
    bool Prompt();
    // The pixel format of the colour format must be one a decompressor of the track's codec gives.
    bool SupportColor(EColorFormat format);

    void SetColor(EColorFormat format);
    void SetWidth(unsigned short width);
    void SetHeight(unsigned short height) { m_height = height; }
    void SetTopDown(bool topDown) { m_topDown = topDown; }
    void SetFrameRate(double rate) { m_frameRate = rate; }
    double GetFrameRate() const { return m_frameRate; }
    // On QuickTime's 0-1023 scale.
    void SetQuality(LONG quality) { m_quality = quality; }
    LONG GetQuality() const { return m_quality; }
    void SetBitrate(ULONG bitrate) { m_bitrate = bitrate; }
    ULONG GetBitrate() const { return m_bitrate; }
    void SetKeyFrame(LONG frames) { m_keyFrame = frames; }
    LONG GetKeyFrame() const { return m_keyFrame; }
    void SetSettings(const CHandle& settings) { m_settings = settings; }
    const CHandle& GetSettings() const { return m_settings; }
    ImageDescriptionHandle GetImageDescription() const { return m_imageDescription; }

private:
    bool OpenGraphPort();
    void CloseGraphPort();
    bool StartCompression();
    bool StartSequence();
    void EndCompression();
    void CopyVideo(const unsigned char* data, uint32_t size);

    EColorFormat m_color;
    unsigned short m_width = 0;
    unsigned short m_height = 0;
    double m_frameRate = 0;
    LONG m_lineSize = 0;
    bool m_topDown = true;
    LONG m_quality = 512;
    ULONG m_bitrate = 128000;
    LONG m_keyFrame = 15;
    CHandle m_settings;

    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    unsigned char* m_bits = nullptr;
    GWorldPtr m_world = nullptr;
    PixMapHandle m_pixels = nullptr;
    ComponentInstance m_compressor = nullptr;
    ImageDescriptionHandle m_imageDescription = nullptr;
};
