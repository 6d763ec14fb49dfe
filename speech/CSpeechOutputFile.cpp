#include "CSpeechOutputFile.h"

#include "CSpeechTalker.h"
#include "UDirectoryUtils.h"
#include "UStringBuffer.h"
#include "com/ComRuntime.h"
#include "sapi/SpStreams.h"
#include "sapi/SpVoice.h"
#include "win32/audio/WaveFormat.h"

#include <vector>

CSpeechOutputFile::CSpeechOutputFile(const CSpeechOutputFile& other)
    : CSpeechOutput(other), m_path(other.m_path), m_stream(other.m_stream)
{
    if (m_stream) m_stream->AddRef();
}

CSpeechOutputFile& CSpeechOutputFile::operator=(const CSpeechOutputFile& other)
{
    if (this != &other) {
        if (other.m_stream) other.m_stream->AddRef();
        SafeRelease(m_stream);
        CSpeechOutput::operator=(other);
        m_path = other.m_path;
        m_stream = other.m_stream;
    }
    return *this;
}

CSpeechOutputFile::~CSpeechOutputFile()
{
    SafeRelease(m_stream);
}

bool CSpeechOutputFile::Create()
{
    if (m_path.IsEmpty() || !m_talker || !m_talker->GetVoice()) return false;
    WAVEFORMATEX format{};
    if (!BuildWavFormat(format)) return false;
    UDirectoryUtils::EstablishPath(m_path); // a failure shows when the file cannot be made
    SafeRelease(m_stream); // a stream from an earlier Create must still complete its file
    if (FAILED(CoCreateInstance(CLSID_SpStream, nullptr, CLSCTX_ALL, IID_ISpStream, reinterpret_cast<void**>(&m_stream)))) {
        m_stream = nullptr;
        return false;
    }
    std::vector<WCHAR> wide(static_cast<size_t>(m_path.GetLength()) + 1, 0);
    UStringBuffer::ToWide(m_path, wide.data());
    if (FAILED(m_stream->BindToFile(wide.data(), SPFM_CREATE_ALWAYS, &SPDFID_WaveFormatEx, &format, 0))) {
        SafeRelease(m_stream);
        return false;
    }
    return SUCCEEDED(m_talker->GetVoice()->SetOutput(m_stream, TRUE));
}
