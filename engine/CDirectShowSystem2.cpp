#include "CDirectShowSystem2.h"

bool CDirectShowSystem2::sNeedsVideo = true;
bool CDirectShowSystem2::sNeedsAudio = true;
bool CDirectShowSystem2::sNeedsVideoCapture = true;
bool CDirectShowSystem2::sNeedsAudioCapture = true;
bool CDirectShowSystem2::sLoadAvi = true;
bool CDirectShowSystem2::sLoadQt = true;
bool CDirectShowSystem2::sLoadWm = true;
bool CDirectShowSystem2::sLoadRm = true;
bool CDirectShowSystem2::sLoadLame = true;
bool CDirectShowSystem2::sLoadff = false;
const char* CDirectShowSystem2::sLameDllText = "Lame_enc.dll";
bool CDirectShowSystem2::sCapturing = false;
bool CDirectShowSystem2::sHasSubtitleFilter = false;
bool CDirectShowSystem2::sSupportSubtitleTested = false;
CDirectShowSystem2* CDirectShowSystem2::sSystem = nullptr;

CDirectShowSystem2::SStartup CDirectShowSystem2::GetStartup()
{
    // QuickTime and RealMedia serve codecs only: an engine that needs neither
    // video nor audio leaves them out, rows included.
    const bool media = sNeedsVideo || sNeedsAudio;
    SStartup s;
    s.quickTime = media && sLoadQt;
    s.realMedia = media && sLoadRm;
    s.lame = sNeedsAudio && sLoadLame;
    s.ffTable = sLoadff;
    s.wmProfiles = sLoadWm;
    s.videoCodecs = sNeedsVideo && sLoadAvi;
    s.audioCodecs = sNeedsAudio && sLoadAvi;
    s.videoCaptures = sNeedsVideoCapture;
    s.audioCaptures = sNeedsAudioCapture;
    return s;
}
