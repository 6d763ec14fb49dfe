#pragma once
// A file that may consist of several segment files, with a range the media model
// gives its meaning.
#include "CPersistFile2.h"
#include "CPersistList.h"

#include <cstdint>

class CPersistMultiFile2 : public CPersistFile2 {
    MV_DECLARE_PERSIST_CLASS(CPersistMultiFile2)
public:
    CPersistMultiFile2();
    CPersistMultiFile2(const CPersistMultiFile2& other) = default;
    CPersistMultiFile2& operator=(const CPersistMultiFile2& other);
    ~CPersistMultiFile2() override = default;

    // Also zeroes the range, drops the multi-file mark and deletes the segments, silently.
    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual bool ValidateIsMultiFile(bool multiFile);
    virtual void SideEffectIsMultiFileChanged();
    virtual int64_t ValidateStart(int64_t start);
    virtual void SideEffectStartChanged();
    virtual int64_t ValidateEnd(int64_t end);
    virtual void SideEffectEndChanged();

    bool SetIsMultiFile(bool multiFile);
    bool SetStart(int64_t start);
    bool SetEnd(int64_t end);
    bool GetIsMultiFile() const { return m_isMultiFile; }
    int64_t GetStart() const { return m_start; }
    int64_t GetEnd() const { return m_end; }

    // The list takes the segment.
    void AddSegment(CPersistFile2* segment);
    // Takes the segment out; the caller owns it again.
    void RemoveSegment(CPersistFile2* segment);
    int GetSegmentCount() const { return m_segments.GetItemCount(); }
    CPersistFile2* GetSegment(int index) const;
    CPersistList& GetSegments() { return m_segments; }

    static constexpr LONG kIsMultiFileChangedNotice = FourCharCode("pmf3");
    static constexpr LONG kStartChangedNotice = FourCharCode("pmf4");
    static constexpr LONG kEndChangedNotice = FourCharCode("pmf5");
    static const char* const kMultiFileMultiTag;
    static const char* const kMultiFileStartTag;
    static const char* const kMultiFileEndTag;
    static const char* const kMultiFileSegmentsTag;

private:
    bool m_isMultiFile = false;
    int64_t m_start = 0;
    int64_t m_end = 0;
    CPersistList m_segments{true};
};
