#pragma once
// A video capture device of the catalogue and what the device tester found it offers.
#include "CCaptureDevice2.h"
#include "CVideoCaptureSize2.h"

class CVideoCaptureDevice2 : public CCaptureDevice2 {
    MV_DECLARE_PERSIST_CLASS(CVideoCaptureDevice2)
public:
    CVideoCaptureDevice2();
    CVideoCaptureDevice2(const CVideoCaptureDevice2&) = default;
    CVideoCaptureDevice2& operator=(const CVideoCaptureDevice2&) = default;
    ~CVideoCaptureDevice2() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(HasStream, bool, bool)
    MV_DECLARE_PROPERTY(IsDv, bool, bool)
    MV_DECLARE_PROPERTY(HasMore, bool, bool)
    bool GetHasStream() const { return m_hasStream; }
    bool GetIsDv() const { return m_isDv; }
    bool GetHasMore() const { return m_hasMore; }

    int GetSizeCount() const { return m_sizes.GetItemCount(); }
    CVideoCaptureSize2* GetSize(int index) const;
    void AddSize(CVideoCaptureSize2* size) { m_sizes.Add(size); }
    void RemoveSize(CVideoCaptureSize2* size);
    CVideoCaptureSize2* Find(unsigned short width, unsigned short height) const;
    CVideoCaptureSize2* Add(unsigned short width, unsigned short height);
    CVideoCaptureFrameRate2* AddSetting(unsigned short width, unsigned short height, double frameRate,
                                        LONG colorFormat);

    static constexpr LONG kType = FourCharCode("vcpd");
    static constexpr LONG kHasStreamChangedNotice = FourCharCode("vcpd");
    static constexpr LONG kIsDvChangedNotice = FourCharCode("vcpe");
    static constexpr LONG kHasMoreChangedNotice = FourCharCode("vcpf");

private:
    bool m_hasStream = false;
    bool m_isDv = false;
    bool m_hasMore = false;
    CPersistList m_sizes{true};
};
