#include "CDvdInputFilters2.h"

#include "CDvdNavigatorFilter.h"
#include "dshow/discs/DiscInterfaces.h"
#include "dshow/discs/LocaleNames.h"

namespace {

CString LanguageName(LCID language)
{
    char name[CDvdInputFilters2::kMaxLanguageName + 1] = {};
    if (GetLocaleInfoA(language, LOCALE_SLANGUAGE, name, CDvdInputFilters2::kMaxLanguageName) <= 0) return CString();
    return CString(name);
}

} // namespace

CDvdInputFilters2::CDvdInputFilters2(CDirectShowGraph* graph) : CFileInputFilters2(graph)
{
    SetInputId(CLSID_DvdNavigator);
}

bool CDvdInputFilters2::CreateInput()
{
    auto* navigator = dynamic_cast<CDvdNavigatorFilter*>(m_fileSource);
    if (!navigator) {
        ReleaseFileSource();
        navigator = new CDvdNavigatorFilter(m_graph);
        m_fileSource = navigator;
    }
    navigator->SetPath(m_filePath);
    if (navigator->Create()) return true;
    ReleaseFileSource();
    return false;
}

CDvdNavigatorFilter* CDvdInputFilters2::Navigator() const
{
    auto* navigator = dynamic_cast<CDvdNavigatorFilter*>(m_fileSource);
    return navigator && navigator->GetInfo() && navigator->GetControl() ? navigator : nullptr;
}

unsigned long CDvdInputFilters2::GetTitleCount()
{
    ULONG volumes = 0, volume = 0, titles = 0;
    DVD_DISC_SIDE side = DVD_SIDE_A;
    CDvdNavigatorFilter* n = Navigator();
    return n && SUCCEEDED(n->GetInfo()->GetDVDVolumeInfo(&volumes, &volume, &side, &titles)) ? titles : 0;
}

unsigned long CDvdInputFilters2::GetChapterCount(unsigned long title)
{
    ULONG chapters = 0;
    CDvdNavigatorFilter* n = Navigator();
    // The set counts titles from 0, the disc from 1.
    return n && SUCCEEDED(n->GetInfo()->GetNumberOfChapters(ULONG(title + 1), &chapters)) ? chapters : 0;
}

// Each query of the navigator's current state: zeros while there is none or it refuses.
struct CDvdInputFilters2::SCurrent {
    ULONG available = 0;
    ULONG current = 0;
    BOOL disabled = TRUE;
};

CDvdInputFilters2::SCurrent CDvdInputFilters2::Current(HRESULT (IDvdInfo2::*query)(ULONG*, ULONG*)) const
{
    SCurrent state;
    CDvdNavigatorFilter* n = Navigator();
    if (n && FAILED((n->GetInfo()->*query)(&state.available, &state.current))) state = SCurrent();
    return state;
}

CDvdInputFilters2::SCurrent CDvdInputFilters2::CurrentSubpicture() const
{
    SCurrent state;
    CDvdNavigatorFilter* n = Navigator();
    if (n && FAILED(n->GetInfo()->GetCurrentSubpicture(&state.available, &state.current, &state.disabled)))
        state = SCurrent();
    return state;
}

unsigned long CDvdInputFilters2::GetAngleCount()
{
    return Current(&IDvdInfo2::GetCurrentAngle).available;
}

unsigned long CDvdInputFilters2::GetAngle()
{
    return Current(&IDvdInfo2::GetCurrentAngle).current;
}

unsigned long CDvdInputFilters2::GetAudioStreamCount()
{
    return Current(&IDvdInfo2::GetCurrentAudio).available;
}

unsigned long CDvdInputFilters2::GetAudioStream()
{
    return Current(&IDvdInfo2::GetCurrentAudio).current;
}

unsigned long CDvdInputFilters2::GetSubpicStreamCount()
{
    return CurrentSubpicture().available;
}

unsigned long CDvdInputFilters2::GetSubpicStream()
{
    return CurrentSubpicture().current;
}

bool CDvdInputFilters2::GetSupicOn()
{
    return !CurrentSubpicture().disabled;
}

CString CDvdInputFilters2::Language(HRESULT (IDvdInfo2::*query)(ULONG, LCID*), unsigned long index) const
{
    LCID language = 0;
    CDvdNavigatorFilter* n = Navigator();
    if (!n || FAILED((n->GetInfo()->*query)(ULONG(index), &language))) return CString();
    return LanguageName(language);
}

CString CDvdInputFilters2::GetAudioStream(unsigned long index)
{
    return Language(&IDvdInfo2::GetAudioLanguage, index);
}

CString CDvdInputFilters2::GetSubpicStream(unsigned long index)
{
    return Language(&IDvdInfo2::GetSubpictureLanguage, index);
}

void CDvdInputFilters2::SelectAngle(unsigned long angle)
{
    if (CDvdNavigatorFilter* n = Navigator()) n->GetControl()->SelectAngle(ULONG(angle), DVD_CMD_FLAG_None, nullptr);
}

void CDvdInputFilters2::SelectAudioStream(unsigned long stream)
{
    if (CDvdNavigatorFilter* n = Navigator())
        n->GetControl()->SelectAudioStream(ULONG(stream), DVD_CMD_FLAG_None, nullptr);
}

void CDvdInputFilters2::SelectSubpicStream(unsigned long stream)
{
    if (CDvdNavigatorFilter* n = Navigator())
        n->GetControl()->SelectSubpictureStream(ULONG(stream), DVD_CMD_FLAG_None, nullptr);
}

void CDvdInputFilters2::SetSubpicOn(bool on)
{
    if (CDvdNavigatorFilter* n = Navigator())
        n->GetControl()->SetSubpictureState(on ? TRUE : FALSE, DVD_CMD_FLAG_None, nullptr);
}

void CDvdInputFilters2::PlayTitle(unsigned long title, unsigned long chapterCount)
{
    if (CDvdNavigatorFilter* n = Navigator())
        n->GetControl()->PlayChaptersAutoStop(ULONG(title + 1), 1, ULONG(chapterCount), DVD_CMD_FLAG_Flush, nullptr);
}

void CDvdInputFilters2::PlayChapter(unsigned long title, unsigned long chapter)
{
    if (CDvdNavigatorFilter* n = Navigator())
        n->GetControl()->PlayChaptersAutoStop(ULONG(title + 1), ULONG(chapter + 1), 1, DVD_CMD_FLAG_Flush, nullptr);
}

void CDvdInputFilters2::SlowPlay()
{
    if (CDvdNavigatorFilter* n = Navigator()) n->GetControl()->PlayForwards(0.01, DVD_CMD_FLAG_None, nullptr);
}
