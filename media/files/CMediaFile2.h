#pragma once
// One input media file: its path (possibly in segments), where it comes from, the
// source and splitter filters that opened it, its duration, the DVD range, the file a
// job writes for it, and the edit slices (the parts to keep), in time order.
#include "CDvdFileInfo.h"
#include "CMediaStream.h"
#include "CPersistFile2.h"
#include "CPersistMultiFile2.h"
#include "TRecordList.h"

class CSliceDuration2;

using EMediaSource = LONG;

class CMediaFile2 : public CMediaStream {
    MV_DECLARE_PERSIST_CLASS(CMediaFile2)
public:
    static constexpr int kSplitterCount = 4;

    CMediaFile2();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Keeps only slices in the slice list, whatever the file holds.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // The whole duration, or the sum of the slices when there are any.
    double GetConversionDuration() override;
    MV_DECLARE_PROPERTY(MediaSource, EMediaSource, EMediaSource)
    MV_DECLARE_PROPERTY(FileSourceId, const GUID&, GUID)
    // Index 0 to 3; others are ignored.
    virtual GUID ValidateSplitterId(const GUID& id, int index);
    virtual void SideEffectSplitterIdChanged(int index);
    MV_DECLARE_PROPERTY(ChainSplitter, bool, bool)
    MV_DECLARE_PROPERTY(Duration, double, double)
    // Forgets everything the probe and the edits found.
    void Close() override;

    bool SetSplitterId(const GUID& id, int index);
    const GUID& GetSplitterId(int index) const;

    CPersistMultiFile2& GetFilePath() { return m_path; }
    CPersistFile2& GetOutputFile() { return m_output; }
    CDvdFileInfo& GetDvdInfo() { return m_dvd; }
    EMediaSource GetMediaSource() const { return m_mediaSource; }
    const GUID& GetFileSourceId() const { return m_fileSourceId; }
    bool GetChainSplitter() const { return m_chainSplitter; }
    double GetDuration() const { return m_duration; }

    // The kind of file, named from the filters that opened it; "" when unknown.
    CString GetFileType() const;

    // Slices. Every removal also deletes the slice.
    CPersistList& GetSlices() { return m_slices.List(); }
    int GetSliceCount() const { return m_slices.Count(); }
    CSliceDuration2* GetSliceAt(int index) const;
    int GetSliceIndex(const CSliceDuration2* slice) const;
    // The list takes the slice.
    void AddSlice(CSliceDuration2* slice);
    void RemoveSlice(CSliceDuration2* slice);
    // The first slice, made to cover the whole file when there is none.
    CSliceDuration2* GetSlice();
    // The slice holding the time; at a cut between touching slices, the later one.
    CSliceDuration2* GetSlice(double time) const;
    CSliceDuration2* GetSliceBefore(double time) const;
    CSliceDuration2* GetSliceAfter(double time) const;
    CSliceDuration2* GetPrevious(const CSliceDuration2* slice) const;
    CSliceDuration2* GetNext(const CSliceDuration2* slice) const;
    // Move one edge of a slice, swallowing the slices it passes over.
    bool SetStart(CSliceDuration2* slice, double time);
    bool SetEnd(CSliceDuration2* slice, double time);
    bool SetLinkPrevious(CSliceDuration2* slice, bool link);
    bool SetLinkNext(CSliceDuration2* slice, bool link);
    void TrimLeft(double time);
    void TrimRight(double time);
    // Splits the slice at the time, or fills the gap there with a new slice.
    void AddSliceAtTime(double time, double max);
    void RemoveSliceAtTime(double time);
    void RemoveBefore(const CSliceDuration2* slice);
    void RemoveAfter(const CSliceDuration2* slice);
    void RemoveBetween(const CSliceDuration2* first, const CSliceDuration2* last);

    static constexpr LONG kMediaSourceChangedNotice = FourCharCode("mfl3");
    static constexpr LONG kFileSourceIdChangedNotice = FourCharCode("mfl7");
    static constexpr LONG kSplitterIdChangedNotice = FourCharCode("mfl8");
    static constexpr LONG kChainSplitterChangedNotice = FourCharCode("mfl9");
    static constexpr LONG kDurationChangedNotice = FourCharCode("mfl:");

private:
    CSliceDuration2* NewSlice(double max, double start, double end, bool linkNext) const;
    void RemoveAt(int index);

    CPersistMultiFile2 m_path;
    EMediaSource m_mediaSource = 0;
    CDvdFileInfo m_dvd;
    CPersistFile2 m_output;
    GUID m_fileSourceId = GUID_NULL;
    GUID m_splitterIds[kSplitterCount] = {GUID_NULL, GUID_NULL, GUID_NULL, GUID_NULL};
    bool m_chainSplitter = false;
    double m_duration = 0;
    TRecordList<CSliceDuration2> m_slices;
};
