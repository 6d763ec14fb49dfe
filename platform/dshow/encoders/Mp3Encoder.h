#pragma once
// The MP3 encoder: the audio encoder over LAME, which also takes the path of the encoder
// library the user chose. LAME is linked in, so the path is only checked and kept: a
// path that names no readable file is refused, as a library that cannot load would be.
#include "dshow/AudioEncoderFilter.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"

#include <string>

class CMp3Encoder : public CAudioStreamEncoder, public ILameLibraryPath {
public:
    explicit CMp3Encoder(const AudioEncoderKind& kind) : CAudioStreamEncoder(kind) {}
    MV_FILTER_UNKNOWN
    HRESULT SetLibraryPath(const char* path) override;
    const std::string& LibraryPath() const { return m_path; }

protected:
    void* FindInterface(REFIID iid) override;

private:
    std::string m_path;
};
