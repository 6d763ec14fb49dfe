#pragma once
// The video codec catalogue. Constructed as the process-wide one, the first instance
// becomes sInfo until it is destroyed.
#include "CVideoCodecInfo.h"
#include "CCodecsInfo.h"

class CVideoCodecsInfo : public CCodecsInfo {
    MV_DECLARE_PERSIST_CLASS(CVideoCodecsInfo)
public:
    explicit CVideoCodecsInfo(bool processWide = false);
    CVideoCodecsInfo(const CVideoCodecsInfo& other);
    CVideoCodecsInfo& operator=(const CVideoCodecsInfo&) = default;
    ~CVideoCodecsInfo() override;

    CVideoCodecInfo* Find(const char* name, const char* deviceName) const;
    // The matching entry, or a new one with both names.
    CVideoCodecInfo* Add(const char* name, const char* deviceName) override;
    // The system's video compressors, activated and controlled by quality.
    void AddSystemCodecs();

    static const char* const kFileInfoName;
    static const char* const kFileName;

    static CVideoCodecsInfo* sInfo;
    static constexpr LONG kType = FourCharCode("vxsi");
};
