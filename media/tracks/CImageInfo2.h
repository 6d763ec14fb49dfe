#pragma once
// An image size in pixels.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CImageInfo2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CImageInfo2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Width, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(Height, unsigned short, unsigned short)

    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }

    static constexpr LONG kWidthChangedNotice = FourCharCode("iing");
    static constexpr LONG kHeightChangedNotice = FourCharCode("iinh");

private:
    unsigned short m_width = 0;
    unsigned short m_height = 0;
};
