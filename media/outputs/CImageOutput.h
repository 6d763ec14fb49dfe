#pragma once
// A still-image output: image format and quality.
#include "CPersistObject.h"
#include "EMediaOutput.h"
#include "MvMediaProperty.h"

class CImageOutput : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CImageOutput)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // A stored type 1 is the old name of the default format.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Type, EImageType, EImageType)
    // Above 100 keeps the stored quality.
    MV_DECLARE_PROPERTY(Quality, unsigned char, unsigned char)

    EImageType GetType() const { return m_type; }
    unsigned char GetQuality() const { return m_quality; }

    static constexpr LONG kTypeChangedNotice = FourCharCode("imov");
    static constexpr LONG kQualityChangedNotice = FourCharCode("imoy");
    static constexpr unsigned char kDefaultQuality = 50;

private:
    EImageType m_type = kDefaultImageType;
    unsigned char m_quality = kDefaultQuality;
};
