#pragma once
// The audio codec catalogue. Constructed as the process-wide one, the first instance
// becomes sInfo until it is destroyed.
#include "CAudioCodecInfo.h"
#include "CCodecsInfo.h"

class CAudioCodecsInfo : public CCodecsInfo {
    MV_DECLARE_PERSIST_CLASS(CAudioCodecsInfo)
public:
    explicit CAudioCodecsInfo(bool processWide = false);
    CAudioCodecsInfo(const CAudioCodecsInfo& other);
    CAudioCodecsInfo& operator=(const CAudioCodecsInfo&) = default;
    ~CAudioCodecsInfo() override;

    CAudioCodecInfo* Find(const char* name, const char* deviceName) const;
    // The matching entry, or a new one with both names.
    CAudioCodecInfo* Add(const char* name, const char* deviceName) override;
    // The system's audio compressors, activated and controlled by bit rate.
    void AddSystemCodecs();

    static const char* const kFileInfoName;
    static const char* const kFileName;

    static CAudioCodecsInfo* sInfo;
    static constexpr LONG kType = FourCharCode("axsi");
};
