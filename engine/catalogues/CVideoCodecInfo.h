#pragma once
// A video codec of the catalogue with its block size and the frame sizes it accepts.
#include "CCodecInfo.h"
#include "CVideoCodecSize.h"

class CVideoCodecInfo : public CCodecInfo {
    MV_DECLARE_PERSIST_CLASS(CVideoCodecInfo)
public:
    CVideoCodecInfo();
    CVideoCodecInfo(const CVideoCodecInfo&) = default;
    CVideoCodecInfo& operator=(const CVideoCodecInfo&) = default;
    ~CVideoCodecInfo() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(BlockSize, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(HasAbout, bool, bool)
    MV_DECLARE_PROPERTY(HasSettings, bool, bool)
    unsigned short GetBlockSize() const { return m_blockSize; }
    bool GetHasAbout() const { return m_hasAbout; }
    bool GetHasSettings() const { return m_hasSettings; }

    int GetSizeCount() const { return m_sizes.GetItemCount(); }
    CVideoCodecSize* GetSize(int index) const;
    void AddSize(CVideoCodecSize* size) { m_sizes.Add(size); }
    void RemoveSize(CVideoCodecSize* size);
    CVideoCodecSize* FindResolution(unsigned short width, unsigned short height) const;
    CVideoCodecSize* AddResolution(unsigned short width, unsigned short height);
    // The nearest size by summed distance of width and height, written back into
    // the arguments; null (arguments unchanged) when there are no sizes.
    CVideoCodecSize* FindBestFit(unsigned short& width, unsigned short& height) const;

    static constexpr LONG kType = FourCharCode("vcci");
    static constexpr LONG kBlockSizeChangedNotice = FourCharCode("vcci");
    static constexpr LONG kHasAboutChangedNotice = FourCharCode("vccj");
    static constexpr LONG kHasSettingsChangedNotice = FourCharCode("vcck");

private:
    unsigned short m_blockSize = 0;
    bool m_hasAbout = false;
    bool m_hasSettings = false;
    CPersistList m_sizes{true};
};
