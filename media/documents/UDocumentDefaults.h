#pragma once
// The output settings the application documents start from.
class CMediaOutput2;

class UDocumentDefaults {
public:
    // Recorders and video editors: video wanted, nothing remuxed or re-timed, the audio
    // mode 1, and the video keeping its size and frame rate in colour.
    // Without audioMode the stored audio mode stays.
    static void ApplyRecorderDefaults(CMediaOutput2& output, bool audioMode = true);
    // The audio half of those: remux, auto-settings and re-timing off, audio mode 1.
    static void ApplyRecorderAudio(CMediaOutput2& output, bool audioMode = true);
    // Audio wanted, video not.
    static void WantAudioOnly(CMediaOutput2& output);
};
