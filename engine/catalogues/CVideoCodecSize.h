#pragma once
// A frame size a video codec accepts.
#include "CPersistObject.h"
#include "CPersistList.h"
#include "MvMediaProperty.h"

class CVideoCodecSize : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CVideoCodecSize)
public:
    CVideoCodecSize() = default;
    CVideoCodecSize(const CVideoCodecSize&) = default;
    CVideoCodecSize& operator=(const CVideoCodecSize&) = default;
    ~CVideoCodecSize() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Width, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(Height, unsigned short, unsigned short)
    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }
    // Width, then height: the order of a codec's size list.
    ULONG GetSortKey() const { return (ULONG(m_width) << 16) | m_height; }

    // A size list in width, then height order.
    static void MakeSizeList(CPersistList& list);
    static CVideoCodecSize* FindIn(const CPersistList& list, unsigned short width, unsigned short height);
    // The size found, or a new one inserted in order.
    static CVideoCodecSize* AddIn(CPersistList& list, unsigned short width, unsigned short height);

    static constexpr LONG kType = FourCharCode("vcsz");
    static constexpr LONG kWidthChangedNotice = FourCharCode("vcsz");
    static constexpr LONG kHeightChangedNotice = 0x7663737B;

private:
    unsigned short m_width = 0;
    unsigned short m_height = 0;
};
