#include "CVideoCodecsInfo.h"

#include "dshow/DeviceInterfaces.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoCodecsInfo, CCodecsInfo, CVideoCodecsInfo::kType)

CVideoCodecsInfo* CVideoCodecsInfo::sInfo = nullptr;
const char* const CVideoCodecsInfo::kFileInfoName = "Video Compressors";
const char* const CVideoCodecsInfo::kFileName = "Video Codecs.xml";

CVideoCodecsInfo::CVideoCodecsInfo(bool processWide)
{
    if (processWide && !sInfo) sInfo = this;
}

// A copy is never the process-wide catalogue.
CVideoCodecsInfo::CVideoCodecsInfo(const CVideoCodecsInfo& other) : CCodecsInfo(other) {}

CVideoCodecsInfo::~CVideoCodecsInfo()
{
    if (sInfo == this) sInfo = nullptr;
}

CVideoCodecInfo* CVideoCodecsInfo::Find(const char* name, const char* deviceName) const
{
    return dynamic_cast<CVideoCodecInfo*>(FindEntry(name, deviceName, false));
}

CVideoCodecInfo* CVideoCodecsInfo::Add(const char* name, const char* deviceName)
{
    if (CVideoCodecInfo* found = Find(name, deviceName)) return found;
    return static_cast<CVideoCodecInfo*>(AddEntry(new CVideoCodecInfo, name, deviceName));
}

void CVideoCodecsInfo::AddSystemCodecs()
{
    CCodecsInfo::AddSystemCodecs(CLSID_VideoCompressorCategory, 1);
}
