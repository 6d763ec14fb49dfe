#include "CAudioCodecsInfo.h"

#include "dshow/DeviceInterfaces.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCodecsInfo, CCodecsInfo, CAudioCodecsInfo::kType)

CAudioCodecsInfo* CAudioCodecsInfo::sInfo = nullptr;
const char* const CAudioCodecsInfo::kFileInfoName = "Audio Compressors";
const char* const CAudioCodecsInfo::kFileName = "Audio Codecs.xml";

CAudioCodecsInfo::CAudioCodecsInfo(bool processWide)
{
    if (processWide && !sInfo) sInfo = this;
}

// A copy is never the process-wide catalogue.
CAudioCodecsInfo::CAudioCodecsInfo(const CAudioCodecsInfo& other) : CCodecsInfo(other) {}

CAudioCodecsInfo::~CAudioCodecsInfo()
{
    if (sInfo == this) sInfo = nullptr;
}

CAudioCodecInfo* CAudioCodecsInfo::Find(const char* name, const char* deviceName) const
{
    return dynamic_cast<CAudioCodecInfo*>(FindEntry(name, deviceName, true));
}

CAudioCodecInfo* CAudioCodecsInfo::Add(const char* name, const char* deviceName)
{
    if (CAudioCodecInfo* found = Find(name, deviceName)) return found;
    return static_cast<CAudioCodecInfo*>(AddEntry(new CAudioCodecInfo, name, deviceName));
}

void CAudioCodecsInfo::AddSystemCodecs()
{
    CCodecsInfo::AddSystemCodecs(CLSID_AudioCompressorCategory, 2);
}
