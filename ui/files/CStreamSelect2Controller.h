#pragma once
// Which video, audio and subtitle track of an input file is used, and whether subtitles are
// shown. Track combos list the tracks counted from 1 and never offer one the file lacks.
#include "CObjectController2.h"
#include "afx/CString.h"

class CButton;
class CComboBox;
class CMediaStream;

class CStreamSelect2Controller : public CObjectController2 {
public:
    CStreamSelect2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;

    // Any may be null: that choice is then neither shown nor filled.
    void SetControls(CComboBox* video, CComboBox* audio, CButton* showSubtitle, CComboBox* subtitle);
    void PopulateSelectVideoCombo();
    void PopulateSelectAudioCombo();
    void PopulateSelectSubtitleCombo();
    static CString GetSelectText(int index);
    static unsigned char GetSelect(const char* text);
    void ReflectSelectVideo();
    void ReflectSelectAudio();
    void ReflectShowSubtitle();
    void ReflectSelectSubtitle();
    void EnterSelectVideo();
    void EnterSelectAudio();
    void EnterShowSubtitle();
    void EnterSelectSubtitle();
    // The tag editor on a copy of the file's tags; OK takes the edited tags.
    void EditTags();

private:
    CMediaStream* GetStream() const;
    void PopulateCombo(CComboBox* combo, int trackCount);
    // Selects the item of the index; shown only when the file has tracks of that kind.
    void ReflectSelect(CComboBox* combo, int trackCount, unsigned char index, bool setVisibility);
    // The selected item's index, or false without a selection.
    static bool SelectedIndex(CComboBox* combo, unsigned char& index);

    CComboBox* m_video = nullptr;
    CComboBox* m_audio = nullptr;
    CButton* m_showSubtitle = nullptr;
    CComboBox* m_subtitle = nullptr;
};
