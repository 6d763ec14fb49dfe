#pragma once
// The output set that encodes: each wanted stream goes through a transform chain to what
// the output type, codec and multiplexer accept, then into the multiplexer or straight
// into the writer. The file output set supplies multiplexers and writer.
#include "CDecodingOutputFilters.h"
#include "CFormatType.h"
#include "CHandle.h"
#include "CMediaTags.h"
#include "EColorFormat.h"
#include "EImageFlip.h"
#include "EImageRotation.h"
#include "TVideoScaling.h"

class CMuxFilter;
class COutputFilter;
class CTransformChain;
struct AM_MEDIA_TYPE;

// Stored enumerations of the user interface, passed through as 32-bit values.
using ETvType = LONG;
using EAudioMode = LONG;
using EVideoMode = LONG;
using EEncodingComplexity = LONG;
using EEncoderControl = LONG;

class CMultiplexOutputFilters2 : public CDecodingOutputFilters {
public:
    explicit CMultiplexOutputFilters2(CDirectShowGraph* graph = nullptr);
    ~CMultiplexOutputFilters2() override;

    bool Connect(CInputFilters2* input) override;
    void Disconnect() override;
    void Release() override;
    CString GetStatus() override;
    bool ConnectVideoChain(CVideoTransformChain* chain, int index) override;
    bool ConnectAudioChain(CAudioTransformChain* chain) override;

    virtual bool ConnectVideoTimeShift(CVideoTransformChain* chain);
    virtual bool NeedVideoTimeShift();
    virtual bool ConnectVideoBuffer(CTransformChain* chain);
    virtual bool ConnectVideoScaler(CVideoTransformChain* chain);
    virtual bool NeedScaler(CVideoTransformChain* chain, unsigned short& width, unsigned short& height,
                            bool& cropped);
    virtual EColorFormat GetColor(CVideoTransformChain* chain);
    virtual void CalculateCodecSize(unsigned short& width, unsigned short& height);
    virtual unsigned short GetCodecBlockSize();
    virtual bool ConnectSnapshot(CVideoTransformChain* chain);
    virtual bool NeedSnapshot(CVideoTransformChain* chain);
    virtual bool ConnectVideoPulseRegulator(CVideoTransformChain* chain);
    virtual bool NeedPulseRegulator(CVideoTransformChain* chain, double& rate, bool& retime);
    virtual bool ConnectVideoWatermark(CVideoTransformChain* chain);
    virtual bool ConnectVideoEncoder(CVideoTransformChain* chain);
    virtual bool ConnectVideoMux(CVideoTransformChain* chain, int index);
    virtual bool ConnectAudioTimeShift(CAudioTransformChain* chain);
    virtual bool ConnectAudioTimeCleaner(CAudioTransformChain* chain);
    virtual bool NeedAudioTimeShift();
    virtual void AutomaticAdjustAudio(CAudioTransformChain* chain);
    virtual bool ConnectAudioBuffer(CTransformChain* chain);
    virtual bool ConnectAudioRechanneler(CAudioTransformChain* chain);
    virtual bool NeedRechanneler(CAudioTransformChain* chain);
    virtual bool ConnectAudioResampler(CAudioTransformChain* chain);
    virtual bool NeedResampler(CAudioTransformChain* chain);
    virtual bool ConnectAudioRegulator(CAudioTransformChain* chain);
    virtual bool NeedAudioRegulator(CAudioTransformChain* chain);
    virtual bool IsStandardSampleRate(unsigned long rate);
    virtual bool ConnectAudioEncoder(CAudioTransformChain* chain);
    virtual bool ConnectAudioMux(CAudioTransformChain* chain);
    virtual bool PrepareOutput(CInputFilters2* input);
    virtual bool ConnectOutput();
    virtual bool CreateOutput();
    virtual void ConfigureOutput() {}
    virtual bool ConnectOutputFromMux();
    virtual bool ConnectOutputFromRaw();
    virtual void ConfigureOutputBeforeConnect() {}
    // Writes the tags once, through the first of writer, multiplexer and Windows Media
    // attributes that takes them; true when one did.
    virtual bool WriteTags();
    virtual bool GetPosition(double& seconds);

    bool SupportVideo() const;
    bool KeepsWantedStreams(CInputFilters2* input) const;
    bool SupportAudio() const;
    bool UseProfile() const;
    bool UseAudioCodec() const;
    bool UseVideoCodec() const;
    bool UseAudioCodecFilter() const;
    bool UseVideoCodecFilter() const;
    static unsigned char LimitQuality(unsigned char quality);
    bool GetAudioInput(CAudioTransformChain* chain, unsigned long& rate, unsigned short& channels,
                       unsigned short& bits);
    bool GetVideoInputSize(CVideoTransformChain* chain, unsigned short& width, unsigned short& height,
                           double& aspect);
    bool GetVideoInputFrameRate(CVideoTransformChain* chain, double& rate, bool& changed);
    // Reports 0: the total its callers want is not settled.
    unsigned long GetBitrate() const { return 0; }

    CMuxFilter* GetMultiplexer() const { return m_mux; }
    CMuxFilter* GetMultiplexer2() const { return m_mux2; }
    COutputFilter* GetWriter() const { return m_writer; }

    void SetSplitterType(ESplitterType type) { m_splitterType = type; }
    ESplitterType GetSplitterType() const { return m_splitterType; }
    void SetTvType(ETvType type) { m_tvType = type; }
    void SetLoop(bool loop) { m_loop = loop; }
    void SetStartTime(double seconds) { m_startTime = seconds; }
    void SetAudioMode(EAudioMode mode) { m_audioMode = mode; }
    void SetAudioComplexity(EEncodingComplexity complexity) { m_audioComplexity = complexity; }
    void SetAudioInSampleRate(unsigned long rate) { m_audioInSampleRate = rate; }
    void SetAudioInChannel(unsigned short channels) { m_audioInChannels = channels; }
    void SetAudioInBitsPerSample(unsigned short bits) { m_audioInBits = bits; }
    void SetAudioRemux(bool on) { m_audioRemux = on; }
    void SetAudioCodecName(const char* name, const char* device);
    void SetAudioKeepSettings(bool on) { m_audioKeepSettings = on; }
    void SetAudioSampleRate(unsigned long rate) { m_audioSampleRate = rate; }
    void SetAudioBitsPerSample(unsigned short bits) { m_audioBits = bits; }
    void SetAudioChannelCount(unsigned short channels) { m_audioChannels = channels; }
    void SetAudioQualityMode(EEncoderControl mode) { m_audioQualityMode = mode; }
    void SetAudioBitrate(unsigned long bitrate) { m_audioBitrate = bitrate; }
    void SetAudioQuality(unsigned char quality) { m_audioQuality = quality; }
    void SetAudioRegulateTimecode(bool on) { m_audioRegulate = on; }
    void SetVideoMode(EVideoMode mode) { m_videoMode = mode; }
    void SetVideoComplexity(EEncodingComplexity complexity) { m_videoComplexity = complexity; }
    void SetVideoInWidth(unsigned short width) { m_videoInWidth = width; }
    void SetVideoInHeight(unsigned short height) { m_videoInHeight = height; }
    void SetVideoInFrameRate(double rate) { m_videoInFrameRate = rate; }
    void SetVideoCropLeft(unsigned short left) { m_cropLeft = left; }
    void SetVideoCropTop(unsigned short top) { m_cropTop = top; }
    void SetVideoCropRight(unsigned short right) { m_cropRight = right; }
    void SetVideoCropBottom(unsigned short bottom) { m_cropBottom = bottom; }
    void SetVideoFlip(EImageFlip flip) { m_flip = flip; }
    void SetVideoRotation(EImageRotation rotation) { m_rotation = rotation; }
    void SetVideoRemux(bool on) { m_videoRemux = on; }
    void SetVideoCodecName(const char* name, const char* device);
    void SetVideoGreyScale(bool on) { m_greyScale = on; }
    void SetVideoKeepSize(bool on) { m_keepSize = on; }
    void SetVideoWidth(unsigned short width) { m_videoWidth = width; }
    void SetVideoHeight(unsigned short height) { m_videoHeight = height; }
    void SetVideoKeepFrameRate(bool on) { m_keepFrameRate = on; }
    void SetVideoFrameRate(double rate) { m_videoFrameRate = rate; }
    void SetVideoRegulateTimecode(bool on) { m_videoRegulate = on; }
    void SetVideoInputAspectRatio(double ratio) { m_inputAspect = ratio; }
    void SetVideoOutputAspectRatio(double ratio) { m_outputAspect = ratio; }
    void SetVideoScaling(TVideoScaling scaling) { m_scaling = scaling; }
    void SetVideoQualityMode(EEncoderControl mode) { m_videoQualityMode = mode; }
    void SetVideoBitrate(unsigned long bitrate) { m_videoBitrate = bitrate; }
    void SetVideoQuality(unsigned char quality) { m_videoQuality = quality; }
    void SetVideoKeyFrame(unsigned long interval) { m_keyFrame = interval; }
    void SetVideoLatency(unsigned short latency) { m_latency = latency; }
    void SetVideoSettings(const CHandle& settings) { m_videoSettings = settings; }
    void SetVideoWantsWatermark(bool on) { m_wantsWatermark = on; }
    void SetVideoFreeScale(bool on) { m_freeScale = on; }
    void SetWmVersion(short version) { m_wmVersion = version; }
    void SetWmProfile(const char* profile) { m_wmProfile = profile ? profile : ""; }
    void SetRealAudience(const char* audience) { m_realAudience = audience ? audience : ""; }
    void SetThumbnailFrameCapture(LONG capture) { m_thumbnailCapture = capture; }
    void SetThumbnailImageType(LONG type) { m_thumbnailType = type; }
    void SetThumbnailCaptureTime(double seconds) { m_thumbnailTime = seconds; }
    void SetThumbnailResize(bool on) { m_thumbnailResize = on; }
    void SetThumbnailWidth(unsigned short width) { m_thumbnailWidth = width; }
    void SetThumbnailHeight(unsigned short height) { m_thumbnailHeight = height; }
    void SetThumbnailFilePath(const char* path) { m_thumbnailPath = path ? path : ""; }
    void SetTags(const CMediaTags& tags) { m_tags = tags; }

    unsigned long GetAudioSampleRate() const { return m_audioSampleRate; }
    unsigned short GetAudioChannelCount() const { return m_audioChannels; }
    unsigned short GetAudioBitsPerSample() const { return m_audioBits; }
    unsigned long GetAudioBitrate() const { return m_audioBitrate; }
    double GetVideoFrameRate() const { return m_videoFrameRate; }
    LONG GetThumbnailFrameCapture() const { return m_thumbnailCapture; }
    LONG GetThumbnailImageType() const { return m_thumbnailType; }
    double GetThumbnailCaptureTime() const { return m_thumbnailTime; }
    bool GetThumbnailResize() const { return m_thumbnailResize; }
    unsigned short GetThumbnailWidth() const { return m_thumbnailWidth; }
    unsigned short GetThumbnailHeight() const { return m_thumbnailHeight; }
    const CString& GetThumbnailFilePath() const { return m_thumbnailPath; }

protected:
    const CFormatType* FormatRow() const;
    // The chain output's audio type at the set rate, channels and bits; the set bitrate
    // unless the output is PCM or bitrate is false. The caller frees it.
    AM_MEDIA_TYPE* FindAudioType(CAudioTransformChain* chain, bool bitrate);
    bool ConnectWriterPin(CFilterPin* target, CFilterPin* source, AM_MEDIA_TYPE* type);

    CMuxFilter* m_mux = nullptr;
    CMuxFilter* m_mux2 = nullptr;
    COutputFilter* m_writer = nullptr;

    ESplitterType m_splitterType = 100;
    ETvType m_tvType = 0;
    bool m_loop = false;
    double m_startTime = 0;
    EAudioMode m_audioMode = 0;
    EEncodingComplexity m_audioComplexity = 1;
    unsigned long m_audioInSampleRate = 0;
    unsigned short m_audioInChannels = 0;
    unsigned short m_audioInBits = 0;
    bool m_audioRemux = false;
    CString m_audioCodecName;
    CString m_audioCodecDevice;
    bool m_audioKeepSettings = false;
    unsigned long m_audioSampleRate = 48000;
    unsigned short m_audioBits = 16;
    unsigned short m_audioChannels = 2;
    EEncoderControl m_audioQualityMode = 2;
    unsigned long m_audioBitrate = 0;
    unsigned char m_audioQuality = 50;
    bool m_audioRegulate = true;
    EVideoMode m_videoMode = 0;
    EEncodingComplexity m_videoComplexity = 1;
    unsigned short m_videoInWidth = 0;
    unsigned short m_videoInHeight = 0;
    double m_videoInFrameRate = 0;
    unsigned short m_cropLeft = 0;
    unsigned short m_cropTop = 0;
    unsigned short m_cropRight = 0;
    unsigned short m_cropBottom = 0;
    EImageFlip m_flip = kImageFlipNone;
    EImageRotation m_rotation = kImageRotationNone;
    bool m_videoRemux = false;
    CString m_videoCodecName;
    CString m_videoCodecDevice;
    bool m_greyScale = false;
    bool m_keepSize = false;
    unsigned short m_videoWidth = 640;
    unsigned short m_videoHeight = 480;
    bool m_keepFrameRate = false;
    double m_videoFrameRate = 29.97;
    bool m_videoRegulate = true;
    double m_inputAspect = 4.0 / 3.0;
    double m_outputAspect = 4.0 / 3.0;
    TVideoScaling m_scaling = kScaleToFit;
    EEncoderControl m_videoQualityMode = 1;
    unsigned long m_videoBitrate = 320000;
    unsigned char m_videoQuality = 95;
    unsigned long m_keyFrame = 15;
    unsigned short m_latency = 4;
    CHandle m_videoSettings;
    bool m_wantsWatermark = false;
    bool m_freeScale = false;
    short m_wmVersion = 8;
    CString m_wmProfile;
    CString m_realAudience;
    LONG m_thumbnailCapture = 0;
    LONG m_thumbnailType = 1002;
    double m_thumbnailTime = 0.5;
    bool m_thumbnailResize = false;
    unsigned short m_thumbnailWidth = 320;
    unsigned short m_thumbnailHeight = 240;
    CString m_thumbnailPath;
    CMediaTags m_tags;
};
