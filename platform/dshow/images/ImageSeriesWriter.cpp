#include "dshow/images/ImageSeriesWriter.h"

#include "dshow/BasePin.h"
#include "dshow/WideText.h"
#include "dshow/images/ImageIds.h"
#include "dshow/images/ImageKinds.h"

#include <cstdio>
#include <strings.h>
#include <system_error>

namespace fs = std::filesystem;

HRESULT CImageSeriesWriter::Create(REFIID iid, void** object) { return CreateComObject<CImageSeriesWriter>(iid, object); }

CImageSeriesWriter::CImageSeriesWriter() : CFileSinkFilter(CLSID_ImageFileWriter) { AddPin(PINDIR_INPUT, u"In"); }

HRESULT CImageSeriesWriter::CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type)
{
    return ReadImageType(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

fs::path CImageSeriesWriter::ImagePath(const fs::path& path, const char* extension, long number)
{
    const bool folder = strcasecmp(path.extension().c_str(), ".Images") == 0;
    char name[32];
    std::snprintf(name, sizeof name, "%05ld.%s", number, extension);
    return folder ? path / name : path.parent_path() / (path.stem().string() + name);
}

HRESULT CImageSeriesWriter::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    if (FileName().empty()) return E_INVALIDARG;
    const ImageKind* kind = ReadImageType(PinAt(0)->MediaType());
    if (!kind) return VFW_E_NOT_CONNECTED;
    std::lock_guard lock(m_writeLock);
    m_path = NarrowText(FileName().c_str());
    m_extension = kind->extension;
    m_count = 0;
    std::error_code error;
    fs::create_directories(ImagePath(m_path, m_extension, 1).parent_path(), error);
    return error ? STG_E_ACCESSDENIED : S_OK;
}

HRESULT CImageSeriesWriter::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_writeLock);
    if (!m_extension) return VFW_E_WRONG_STATE;
    if (!sample.data || sample.size <= 0) return S_OK;
    FILE* file = std::fopen(ImagePath(m_path, m_extension, m_count + 1).c_str(), "wb");
    if (!file) return STG_E_ACCESSDENIED;
    const bool written = std::fwrite(sample.data, 1, size_t(sample.size), file) == size_t(sample.size);
    if (std::fclose(file) != 0 || !written) return STG_E_MEDIUMFULL;
    ++m_count;
    return S_OK;
}
