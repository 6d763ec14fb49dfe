#include "CAudioCodecsInfo.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCodecsInfo, CCodecsInfo, CAudioCodecsInfo::kType)

CAudioCodecsInfo* CAudioCodecsInfo::sInfo = nullptr;

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
