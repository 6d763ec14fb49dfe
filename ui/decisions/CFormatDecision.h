#pragma once
// Turns a device preset and an input file into the output settings of its conversion.
#include "afx/CString.h"
#include "win32/WinTypes.h"

#include <memory>

class CAudioTrack;
class CMediaFile2;
class CMediaOutput2;
class CTargetConversion;
class CVideoTrack;

class CFormatDecision {
public:
    CFormatDecision();
    CFormatDecision(const CFormatDecision& other) = delete;
    CFormatDecision& operator=(const CFormatDecision& other) = delete;
    virtual ~CFormatDecision();

    void SetPlatform(const char* platform) { m_platform = platform ? platform : ""; }
    const CString& GetPlatform() const { return m_platform; }

    // Percent.
    virtual unsigned char GetQuality();
    // Bits per second.
    virtual ULONG GetMaxVideoBitrate();
    virtual ULONG GetMaxAudioBitrate();
    // Decides the output with the output pages' rules in force, then names its file.
    virtual void SetFormat(CMediaFile2* input, CMediaOutput2* output, bool followInputStreams);
    virtual void ConfigureFormat(CMediaFile2* input, CMediaOutput2* output, bool followInputStreams);
    // The platform's video preset when the input's video is kept, else its audio preset.
    virtual CTargetConversion* FindTarget(CMediaFile2* input, CMediaOutput2* output);
    virtual void ConfigureAudioFormat(CTargetConversion* preset, CAudioTrack* track, CMediaOutput2* output);
    virtual void ConfigureVideoFormat(CTargetConversion* preset, CVideoTrack* track, CMediaOutput2* output);
    // Snaps a rate between two common rates to the nearer one.
    virtual double RoundUpFrameRate(double rate);

    void FindBestFitAudio(CTargetConversion& preset, ULONG& sampleRate, unsigned short& channels);
    void FindBestFitVideo(CTargetConversion& preset, unsigned short& width, unsigned short& height, double& aspect,
                          bool& rotated);
    // One of the two listed sizes; `area` is what a picture of `aspect` shows of it.
    void FindBestFitFixedVideo(unsigned short& width, unsigned short& height, double aspect, unsigned short minWidth,
                               unsigned short minHeight, unsigned short maxWidth, unsigned short maxHeight,
                               ULONG& area);
    // A size of `aspect` between the limits, at most `maxPixels` large.
    void FindBestFitFlexVideo(unsigned short& width, unsigned short& height, double aspect, unsigned short minWidth,
                              unsigned short minHeight, unsigned short maxWidth, unsigned short maxHeight,
                              ULONG maxPixels);
    unsigned short AlignVideo(unsigned short value, unsigned short alignment);
    void FindBestFrameRate(CTargetConversion& preset, double& rate);
    double CheckFrameRate(double rate, double lower, double upper);
    unsigned char CalculateQuality(CTargetConversion& preset, unsigned char quality);

private:
    struct Bound;
    void Bind(CMediaOutput2* output);

    CString m_platform;
    std::unique_ptr<Bound> m_bound;
};
