#include "CMediaFile2.h"

#include "CAudioTrack.h"
#include "CPersistStorage.h"
#include "CSliceDuration2.h"
#include "UFileUtils.h"
#include "UGuidUtils.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CMediaFile2, CMediaStream, FourCharCode("mfl2"))

namespace {

const char* const kFileSourceTag = "file source";
const char* const kSplitterTags[CMediaFile2::kSplitterCount] = {"splitter", "splitter 2", "splitter 3",
                                                                 "splitter 4"};
const char* const kChainSplitterTag = "chain splitter";
const char* const kDurationTag = "duration";
const char* const kSourceTypeTag = "source type";
const char* const kDvdTag = "dvd";
const char* const kPathTag = "path";
const char* const kOutputTag = "output";
const char* const kSlicesTag = "slices";
// Cuts closer than this to a slice's edge make no new slice.
constexpr double kShortestSlice = 0.1;

// A file type named by a filter's class id; the audio name applies without video.
struct TypeName {
    const char* id;
    const char* video;
    const char* audio;
};

const char* const kQuickTimeSource = "14574638-37E2-4CDB-88AF-9B4E3C337460";

const struct {
    const char* extensions;
    const char* video;
    const char* audio;
} kQuickTimeTypes[] = {
    {" sd2 ", "SD2 Audio", "SD2 Audio"},
    {" aif aiff aifc ", "AIFF Audio", "AIFF Audio"},
    {" 3gp 3gpp 3g2 3gp2 ", "3GPP Video", "3GPP Audio"},
    {" mp4 m4a m4b ", "MPEG-4 Video", "MPEG-4 Audio"},
    {" gif ", "GIF", "GIF"},
    {" flc fli ", "FLIC Animation", "FLIC Animation"},
};

const TypeName kSourceTypes[] = {
    {"187463A0-5BB7-11D3-ACBE-0080C75E246E", "WM Video", "WM Audio"},
    {"6B6D0800-9ADA-11D0-A520-00A0D10129C0", "ASF Video", "ASF Audio"},
    {"A5243ECF-C4AB-42CB-9A4B-EAC90CE0DB19", "Audio CD Track", "Audio CD Track"},
    {"51D9596F-50F7-483D-934F-746378AA8CCC", "FLAC Audio", "FLAC Audio"},
    {"41FAF0F4-DCEC-4F6A-82D2-56E100F2A8E5", "Monkey Audio", "Monkey Audio"},
    {"876B9304-359C-42E2-864E-B98B03F33C9D", "MPEG Plus Audio", "MPEG Plus Audio"},
    {"68D6728A-D715-492A-A57B-8DDA01F4921F", "OptimFROG Audio", "OptimFROG Audio"},
    {"30349568-DAB5-4FA9-B254-4D3BA77C7952", "TTA Audio", "TTA Audio"},
};

const char* const kMpeg1Splitter = "336475D0-942A-11CE-A870-00AA002FEAB5";
const char* const kMp3Decoder = "38BE3000-DBF4-11D0-860E-00A024CFEF6D";

const TypeName kSplitterTypes[] = {
    {"D51BD5A1-7548-11CF-A520-0080C77EF58A", "WAV Audio", "WAV Audio"},
    {"C851B242-69C9-46A5-BF54-9FA1BBFF5F4C", "SHN Audio", "SHN Audio"},
    {"E21BE468-5C18-43EB-B0CC-DB93A847D769", "RealMedia", "RealAudio"},
    {"149D2E01-C32E-4939-80F6-C07B81015A7A", "Matroska Video", "Matroska Audio"},
    {"F07E245F-5A1F-4D1E-8BFF-DC31D84A55AB", "OGG Media Video", "OGG Audio"},
    {"280A3020-86CF-11D1-ABE6-00A0C905F375", "AC-3 Audio", "AC-3 Audio"},
    {"731B8592-4001-46D4-B1A5-33EC792B4501", "MPEG-2 Video", "MPEG Audio"},
    {"2BE4D120-6F2E-4B3A-B0BD-E880917238DC", "MPEG-2 Video", "MPEG Audio"},
    {"F1388BEE-7140-4CD8-BF10-4565147E2B35", "MPEG-2 Video", "MPEG Audio"},
    {"3AE86B20-7BE8-11D1-ABE6-00A0C905F375", "MPEG-2 Video", "MPEG Audio"},
    {"AFB6C280-2C41-11D3-8A60-0000F81E0E4A", "MPEG-2 Video", "MPEG Audio"},
    {"52B63861-DC93-11CE-A099-00AA00479A58", "MPEG-4 Video", "MPEG-4 Video"},
    {"4EB31670-9FC6-11CF-AF6E-00AA00B67A42", "DV Video", "DV Video"},
    {"1B544C20-FD0B-11CE-8C63-00AA0044B51E", "AVI Video", "AVI Audio"},
};

bool IsId(const GUID& id, const char* text) { return id == UGuidUtils::GuidFromString(text); }

const TypeName* FindType(const GUID& id, const TypeName* begin, const TypeName* end)
{
    for (const TypeName* type = begin; type != end; ++type)
        if (IsId(id, type->id)) return type;
    return nullptr;
}

}

CMediaFile2::CMediaFile2() : m_slices(FourCharCode("sldu")) {}

void CMediaFile2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CMediaStream::SaveSelf(name, storage);
    storage.Save(kFileSourceTag, m_fileSourceId);
    for (int i = 0; i < kSplitterCount; ++i) storage.Save(kSplitterTags[i], m_splitterIds[i]);
    storage.Save(kChainSplitterTag, m_chainSplitter);
    storage.Save(kDurationTag, m_duration);
    storage.Save(kSourceTypeTag, m_mediaSource);
    m_dvd.Save(kDvdTag, storage);
    m_path.Save(kPathTag, storage);
    m_output.Save(kOutputTag, storage);
    m_slices.Save(kSlicesTag, storage);
}

void CMediaFile2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaStream::LoadSelf(name, storage);
    storage.Load(kFileSourceTag, m_fileSourceId);
    for (int i = 0; i < kSplitterCount; ++i) storage.Load(kSplitterTags[i], m_splitterIds[i]);
    storage.Load(kChainSplitterTag, m_chainSplitter);
    storage.Load(kDurationTag, m_duration);
    storage.Load(kSourceTypeTag, m_mediaSource);
    m_dvd.Load(kDvdTag, storage);
    m_path.Load(kPathTag, storage);
    m_output.Load(kOutputTag, storage);
    m_slices.Load(kSlicesTag, storage);
}

double CMediaFile2::GetConversionDuration()
{
    if (GetSliceCount() == 0) return m_duration;
    double total = 0;
    for (int i = 0; i < GetSliceCount(); ++i) total += GetSliceAt(i)->GetDuration();
    return total;
}

MV_IMPLEMENT_PLAIN_PROPERTY(CMediaFile2, MediaSource, EMediaSource, EMediaSource, m_mediaSource,
                            kMediaSourceChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaFile2, FileSourceId, const GUID&, GUID, m_fileSourceId,
                            kFileSourceIdChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaFile2, ChainSplitter, bool, bool, m_chainSplitter, kChainSplitterChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaFile2, Duration, double, double, m_duration, kDurationChangedNotice)

GUID CMediaFile2::ValidateSplitterId(const GUID& id, int) { return id; }
void CMediaFile2::SideEffectSplitterIdChanged(int) {}

bool CMediaFile2::SetSplitterId(const GUID& id, int index)
{
    if (index < 0 || index >= kSplitterCount) return false;
    if (!ChangeProperty(m_splitterIds[index], ValidateSplitterId(id, index), kSplitterIdChangedNotice + index))
        return false;
    SideEffectSplitterIdChanged(index);
    return true;
}

const GUID& CMediaFile2::GetSplitterId(int index) const
{
    static const GUID kNone = GUID_NULL;
    if (index < 0 || index >= kSplitterCount) return kNone;
    return m_splitterIds[index];
}

void CMediaFile2::Close()
{
    CMediaStream::Close();
    m_path.SetFilePath("");
    m_output.SetFilePath("");
    m_fileSourceId = GUID_NULL;
    for (GUID& id : m_splitterIds) id = GUID_NULL;
    SetChainSplitter(false);
    SetDuration(0);
    SetEstimatedSize(0);
    SetStatus(0);
    m_slices.DeleteAll();
}

CString CMediaFile2::GetFileType() const
{
    const bool video = HasVideo();
    if (IsId(m_fileSourceId, kQuickTimeSource)) {
        CString extension(UFileUtils::GetFileExtension(m_path.GetFilePath()));
        extension.MakeLower();
        CString word = " " + extension + " ";
        for (const auto& type : kQuickTimeTypes)
            if (!extension.IsEmpty() && std::strstr(type.extensions, word)) return video ? type.video : type.audio;
        return video ? "MOV Video" : "MOV Audio";
    }
    if (const TypeName* type = FindType(m_fileSourceId, std::begin(kSourceTypes), std::end(kSourceTypes)))
        return video ? type->video : type->audio;
    const GUID& splitter = m_splitterIds[0];
    if (IsId(splitter, kMpeg1Splitter)) {
        if (video) return "MPEG-1 Video";
        CAudioTrack* audio = GetAudioTrack(0);
        if (!audio) return "";
        return IsId(audio->GetDecoder(), kMp3Decoder) ? "MP3 Audio" : "MPEG Audio";
    }
    if (const TypeName* type = FindType(splitter, std::begin(kSplitterTypes), std::end(kSplitterTypes)))
        return video ? type->video : type->audio;
    return "";
}

// Slices

CSliceDuration2* CMediaFile2::GetSliceAt(int index) const
{
    return m_slices.At(index);
}

int CMediaFile2::GetSliceIndex(const CSliceDuration2* slice) const { return m_slices.IndexOf(slice); }

void CMediaFile2::AddSlice(CSliceDuration2* slice) { m_slices.Add(slice); }

void CMediaFile2::RemoveSlice(CSliceDuration2* slice) { m_slices.Delete(slice); }

void CMediaFile2::RemoveAt(int index) { m_slices.Delete(GetSliceAt(index)); }

CSliceDuration2* CMediaFile2::NewSlice(double max, double start, double end, bool linkNext) const
{
    auto* slice = new CSliceDuration2;
    slice->SetMax(max);
    slice->SetEnd(end);
    slice->SetStart(start);
    slice->SetLinkNext(linkNext);
    return slice;
}

CSliceDuration2* CMediaFile2::GetSlice()
{
    if (GetSliceCount() == 0) {
        auto* slice = new CSliceDuration2;
        slice->SetMax(m_duration);
        AddSlice(slice);
    }
    return GetSliceAt(0);
}

CSliceDuration2* CMediaFile2::GetSlice(double time) const
{
    for (int i = 0; i < GetSliceCount(); ++i) {
        CSliceDuration2* slice = GetSliceAt(i);
        if (slice->GetStart() <= time && time <= slice->GetEnd()) {
            CSliceDuration2* next = GetSliceAt(i + 1);
            if (time == slice->GetEnd() && next && next->GetStart() == time) return next;
            return slice;
        }
    }
    return nullptr;
}

CSliceDuration2* CMediaFile2::GetSliceBefore(double time) const
{
    for (int i = GetSliceCount() - 1; i >= 0; --i)
        if (GetSliceAt(i)->GetEnd() <= time) return GetSliceAt(i);
    return nullptr;
}

CSliceDuration2* CMediaFile2::GetSliceAfter(double time) const
{
    for (int i = 0; i < GetSliceCount(); ++i)
        if (GetSliceAt(i)->GetStart() >= time) return GetSliceAt(i);
    return nullptr;
}

CSliceDuration2* CMediaFile2::GetPrevious(const CSliceDuration2* slice) const
{
    int index = GetSliceIndex(slice);
    return index > 0 ? GetSliceAt(index - 1) : nullptr;
}

CSliceDuration2* CMediaFile2::GetNext(const CSliceDuration2* slice) const
{
    int index = GetSliceIndex(slice);
    return index >= 0 ? GetSliceAt(index + 1) : nullptr;
}

void CMediaFile2::RemoveBefore(const CSliceDuration2* slice)
{
    for (int index = GetSliceIndex(slice); index > 0; --index) RemoveAt(0);
}

void CMediaFile2::RemoveAfter(const CSliceDuration2* slice)
{
    int index = GetSliceIndex(slice);
    if (index < 0) return;
    for (int i = GetSliceCount() - 1; i > index; --i) RemoveAt(i);
}

void CMediaFile2::RemoveBetween(const CSliceDuration2* first, const CSliceDuration2* last)
{
    int from = GetSliceIndex(first);
    int to = GetSliceIndex(last);
    if (from < 0 || to < 0) return;
    for (int i = to - 1; i > from; --i) RemoveAt(i);
}

bool CMediaFile2::SetStart(CSliceDuration2* slice, double time)
{
    if (!slice || !(time < slice->GetEnd())) return false;
    CSliceDuration2* before = GetSlice(time);
    if (!before || before == slice) before = GetSliceBefore(time);
    if (before)
        RemoveBetween(before, slice);
    else
        RemoveBefore(slice);
    slice->SetStart(time);
    if (before && (time < before->GetEnd() || before->GetLinkNext())) before->SetEnd(slice->GetStart());
    return true;
}

bool CMediaFile2::SetEnd(CSliceDuration2* slice, double time)
{
    if (!slice || !(slice->GetStart() < time)) return false;
    CSliceDuration2* after = GetSlice(time);
    if (!after || after == slice) after = GetSliceAfter(time);
    if (after)
        RemoveBetween(slice, after);
    else
        RemoveAfter(slice);
    slice->SetEnd(time);
    if (after && (time > after->GetStart() || slice->GetLinkNext())) after->SetStart(slice->GetEnd());
    return true;
}

bool CMediaFile2::SetLinkPrevious(CSliceDuration2* slice, bool link)
{
    CSliceDuration2* previous = GetPrevious(slice);
    if (!previous) return false;
    previous->SetLinkNext(link);
    slice->SetStart(previous->GetEnd());
    return true;
}

bool CMediaFile2::SetLinkNext(CSliceDuration2* slice, bool link)
{
    CSliceDuration2* next = GetNext(slice);
    if (!next) return false;
    slice->SetLinkNext(link);
    slice->SetEnd(next->GetStart());
    return true;
}

void CMediaFile2::TrimLeft(double time)
{
    CSliceDuration2* slice = GetSlice(time);
    if (!slice) slice = GetSliceAfter(time);
    if (!slice) return;
    RemoveBefore(slice);
    slice->SetStart(time);
}

void CMediaFile2::TrimRight(double time)
{
    CSliceDuration2* slice = GetSlice(time);
    if (!slice) slice = GetSliceBefore(time);
    if (!slice) return;
    RemoveAfter(slice);
    slice->SetEnd(time);
}

void CMediaFile2::AddSliceAtTime(double time, double max)
{
    if (CSliceDuration2* slice = GetSlice(time)) {
        if (time - slice->GetStart() <= kShortestSlice || slice->GetEnd() - time <= kShortestSlice) return;
        const double oldEnd = slice->GetEnd();
        const bool oldLink = slice->GetLinkNext();
        slice->SetEnd(time);
        slice->SetLinkNext(true);
        m_slices.AddAt(NewSlice(max, time, oldEnd, oldLink), GetSliceIndex(slice) + 1);
        return;
    }
    if (CSliceDuration2* next = GetSliceAfter(time)) {
        if (next->GetStart() - time > kShortestSlice)
            m_slices.AddAt(NewSlice(max, time, next->GetStart(), false), GetSliceIndex(next));
        return;
    }
    if (max - time > kShortestSlice) AddSlice(NewSlice(max, time, max, false));
}

void CMediaFile2::RemoveSliceAtTime(double time)
{
    CSliceDuration2* slice = GetSlice(time);
    if (!slice) return;
    if (CSliceDuration2* previous = GetPrevious(slice)) previous->SetLinkNext(false);
    RemoveSlice(slice);
}
