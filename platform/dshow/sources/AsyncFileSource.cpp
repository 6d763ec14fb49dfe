#include "dshow/sources/AsyncFileSource.h"

#include "com/ComRuntime.h"
#include "dshow/WideText.h"
#include "dshow/sources/SourceIds.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const GUID MEDIASUBTYPE_FileStream = {0x8D1E2F4A, 0x3C59, 0x4B07, {0x9E, 0x61, 0x5A, 0x27, 0xD0, 0x43, 0xB8, 0x1C}};

HRESULT CAsyncFileSource::Create(REFIID iid, void** object) { return CreateComObject<CAsyncFileSource>(iid, object); }

CAsyncFileSource::CAsyncFileSource() : CBaseFilter(CLSID_AsyncFileSource) { AddPin(PINDIR_OUTPUT, u"Output"); }

CAsyncFileSource::~CAsyncFileSource()
{
    if (m_fd >= 0) ::close(m_fd);
}

void* CAsyncFileSource::FindInterface(REFIID iid)
{
    if (iid == IFileSourceFilter::kIid) return static_cast<IFileSourceFilter*>(this);
    return CBaseFilter::FindInterface(iid);
}

void* CAsyncFileSource::PinInterface(CBasePin*, REFIID iid)
{
    return iid == IAsyncReader::kIid && m_fd >= 0 ? static_cast<IAsyncReader*>(this) : nullptr;
}

HRESULT CAsyncFileSource::Load(LPCOLESTR file, const AM_MEDIA_TYPE*)
{
    if (!file) return E_POINTER;
    if (m_fd >= 0) return E_UNEXPECTED;
    int fd = ::open(NarrowText(file).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == EACCES ? STG_E_ACCESSDENIED : VFW_E_NOT_FOUND;
    struct stat info{};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return VFW_E_UNKNOWN_FILE_TYPE;
    }
    m_fd = fd;
    m_size = info.st_size;
    m_file = file;
    return S_OK;
}

HRESULT CAsyncFileSource::GetCurFile(LPOLESTR* file, AM_MEDIA_TYPE* type)
{
    if (!file) return E_POINTER;
    *file = m_fd >= 0 ? CoTaskMemDupString(m_file.c_str()) : nullptr;
    if (type) *type = AM_MEDIA_TYPE{};
    return m_fd >= 0 ? S_OK : E_FAIL;
}

HRESULT CAsyncFileSource::SyncRead(LONGLONG position, LONG length, BYTE* buffer, LONG* read)
{
    if (!buffer || !read) return E_POINTER;
    *read = 0;
    if (m_fd < 0) return VFW_E_NOT_CONNECTED;
    if (position < 0 || length < 0) return E_INVALIDARG;
    while (*read < length) {
        ssize_t got = ::pread(m_fd, buffer + *read, size_t(length - *read), off_t(position + *read));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return E_FAIL;
        if (got == 0) break;
        *read += LONG(got);
    }
    return *read == length ? S_OK : S_FALSE;
}

HRESULT CAsyncFileSource::Length(LONGLONG* total, LONGLONG* available)
{
    if (!total || !available) return E_POINTER;
    if (m_fd < 0) return VFW_E_NOT_CONNECTED;
    // A file that grows while it is read (a recording) is read up to its current end.
    struct stat info{};
    if (::fstat(m_fd, &info) == 0) m_size = info.st_size;
    *total = *available = m_size;
    return S_OK;
}

HRESULT CAsyncFileSource::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    return m_fd >= 0 ? CheckOfferedType(pin, type) : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CAsyncFileSource::GetMediaType(CBasePin*, int index, CMediaType& type)
{
    if (index != 0 || m_fd < 0) return S_FALSE;
    type = CMediaType();
    type.SetType(MEDIATYPE_Stream);
    type.SetSubtype(MEDIASUBTYPE_FileStream);
    type.SetFormatType(FORMAT_None);
    type.SetVariableSize();
    return S_OK;
}
