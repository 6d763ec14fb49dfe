#include "dshow/StreamFileWriter.h"

#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/WideText.h"

const CLSID CLSID_FileWriter = {0x8596E5F0, 0x0DA5, 0x11D0, {0xBD, 0x21, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
const CLSID CLSID_OwnFileWriter = {0x27E389B6, 0xF54A, 0x46F2, {0x87, 0x98, 0xE6, 0x56, 0xBF, 0x80, 0xF2, 0xEA}};

namespace {
// No container written here grows beyond this.
constexpr int64_t kMaxOffset = int64_t(1) << 40;
}

HRESULT CStreamFileWriter::Create(REFIID iid, void** object)
{
    return CreateComObject<CStreamFileWriter>(iid, object, CLSID_FileWriter);
}

HRESULT CStreamFileWriter::CreateOwn(REFIID iid, void** object)
{
    return CreateComObject<CStreamFileWriter>(iid, object, CLSID_OwnFileWriter);
}

CStreamFileWriter::CStreamFileWriter(REFCLSID clsid) : CFileSinkFilter(clsid) { AddPin(PINDIR_INPUT, u"in"); }

CStreamFileWriter::~CStreamFileWriter()
{
    std::lock_guard lock(m_fileLock);
    CloseFile();
}

HRESULT CStreamFileWriter::CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type)
{
    return type.majortype == MEDIATYPE_Stream ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CStreamFileWriter::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    if (FileName().empty()) return E_INVALIDARG;
    std::lock_guard lock(m_fileLock);
    CloseFile();
    m_stream = std::fopen(NarrowText(FileName().c_str()).c_str(), "wb");
    m_failed = false;
    return m_stream ? S_OK : STG_E_ACCESSDENIED;
}

HRESULT CStreamFileWriter::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_fileLock);
    if (!m_stream) return VFW_E_WRONG_STATE;
    if (!sample.hasTime || sample.start < 0 || sample.size < 0 || sample.start > kMaxOffset - sample.size)
        return E_INVALIDARG;
    if (fseeko(m_stream, off_t(sample.start), SEEK_SET) != 0
        || std::fwrite(sample.data, 1, size_t(sample.size), m_stream) != size_t(sample.size)) {
        m_failed = true;
        return STG_E_MEDIUMFULL;
    }
    return S_OK;
}

HRESULT CStreamFileWriter::CloseFile()
{
    if (!m_stream) return S_FALSE;
    bool closed = std::fclose(m_stream) == 0;
    m_stream = nullptr;
    return closed && !m_failed ? S_OK : STG_E_MEDIUMFULL;
}

HRESULT CStreamFileWriter::OnAllEnded()
{
    std::lock_guard lock(m_fileLock);
    return CloseFile();
}

HRESULT CStreamFileWriter::OnStop()
{
    {
        std::lock_guard lock(m_fileLock);
        CloseFile();
    }
    return CSinkFilter::OnStop();
}
