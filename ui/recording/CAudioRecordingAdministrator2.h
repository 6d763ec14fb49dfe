#pragma once
// Records a sound card's input, or the sound of a DV camcorder when the audio device
// catalogue does not list the source, with a level indicator on the screen.
#include "CAudioSource2.h"
#include "CMediaWriterAdministrator2.h"

class CAudioRecordingAdministrator2 : public CMediaWriterAdministrator2 {
public:
    CAudioRecordingAdministrator2() = default;
    ~CAudioRecordingAdministrator2() override;

    bool CreateInputFilters() override;
    bool CreateBridgeFilters() override;
    bool CreateRenderOutputFilters() override;
    bool Play() override;

    void SetAudioSource(CAudioSource2& source);
    // Stored in the source and handed to a running input.
    void SetVolume(bool autoVolume, unsigned char volume);
    CAudioSource2& GetAudioSource() { return m_audioSource; }

private:
    // Whether the audio device catalogue lists the source.
    bool IsSoundCard() const;

    CAudioSource2 m_audioSource;
};
