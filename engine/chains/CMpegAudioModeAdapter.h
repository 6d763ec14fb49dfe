#pragma once
// Applies the user's MPEG audio dual-channel choice to a decoder that offers the MPEG audio
// decoder interface.
class CDirectShowFilter;
class CSettingDecodeMpeg;

class CMpegAudioModeAdapter {
public:
    // The dual-channel mode for the setting: 1 left only, 0 both merged, 2 right.
    static int DualMode(bool left, bool right);
    // False when there is no setting or the decoder lacks the interface.
    static bool Apply(CDirectShowFilter* decoder, const CSettingDecodeMpeg* setting);

    explicit CMpegAudioModeAdapter(CDirectShowFilter* decoder) : m_decoder(decoder) {}
    CDirectShowFilter* GetDecoder() const { return m_decoder; }

private:
    CDirectShowFilter* m_decoder;
};
