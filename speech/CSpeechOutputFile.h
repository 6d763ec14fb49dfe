#pragma once
// Sound into a WAV file, replaced if it exists; complete once the last reference to
// its stream is gone.
#include "CSpeechOutput.h"
#include "afx/CString.h"

struct ISpStream;

class CSpeechOutputFile : public CSpeechOutput {
public:
    explicit CSpeechOutputFile(CSpeechTalker* talker) : CSpeechOutput(talker) {}
    CSpeechOutputFile(const CSpeechOutputFile& other);
    CSpeechOutputFile& operator=(const CSpeechOutputFile& other);
    ~CSpeechOutputFile() override;

    void SetFilePath(const char* path) { m_path = path; }
    bool Create() override;

private:
    CString m_path;
    ISpStream* m_stream = nullptr; // one reference
};
