#pragma once
// The process-wide list of installed voices, in the order the speech layer lists them.
#include "CPointerList.h"
#include "afx/CString.h"

struct ISpObjectToken;

class CSpeechSystem : public CPointerList {
public:
    CSpeechSystem();
    CSpeechSystem(const CSpeechSystem& other);
    CSpeechSystem& operator=(const CSpeechSystem& other);
    ~CSpeechSystem() override;

    void PopulateVoices();
    void ClearVoices();
    int GetVoiceCount();
    CString GetVoice(int index);
    // Borrowed: no reference is added for the caller.
    ISpObjectToken* GetVoice(const char* name);

    static CSpeechSystem* sSystem;

private:
    void CopyVoices(const CSpeechSystem& other);
};
