#pragma once
// The application class of the encoding programs: on top of the engine's application it
// keeps the conversion presets of the programs that edit them, offers the program options,
// loads skipped codecs, and checks the codecs again whenever the MP3 encoder is reloaded.
#include "CDelayedFunction.h"
#include "CMorvaneDirectShowApp2.h"

class CCmdUI;
class CTargetDecisions;

class CMorvaneEncodingApp : public CMorvaneDirectShowApp2 {
public:
    CMorvaneEncodingApp();
    ~CMorvaneEncodingApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;

    // "Options...": the program options dialog.
    void Options();
    // The decoder lists and the file parsers, edited in place.
    void ManageVideoDecoders();
    void ManageAudioDecoders();
    void ManageFileParsers();

    CTargetDecisions* GetPresets() const { return m_presets; }
    bool GetManagesPresets() const { return m_managesPresets; }

    static constexpr long kEncoderReloadedMessage = 4000030;
    static constexpr UINT kLoadSkippedCodecsCommand = 57610;

protected:
    // Set by a program that edits conversion presets, before InitInstance.
    void SetManagesPresets(bool manages) { m_managesPresets = manages; }
    void OnFileUpdate();
    void OnUpdateFileUpdate(CCmdUI* ui);
    // The codec check runs from the message loop, after whatever is being handled now.
    void LoopCodecsLater(bool prompt);

    DECLARE_MESSAGE_MAP()

private:
    bool m_managesPresets = false;
    CTargetDecisions* m_presets = nullptr;
    // Owned, so that a check still pending when the application goes is never called.
    CDelayedFunction m_codecCheck{false};
};
