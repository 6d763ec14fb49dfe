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

unsigned long CDvdInputFilters2::GetAngleCount()
{
    ULONG available = 0, current = 0;
    CDvdNavigatorFilter* n = Navigator();
    return n && SUCCEEDED(n->GetInfo()->GetCurrentAngle(&available, &current)) ? available : 0;
}

unsigned long CDvdInputFilters2::GetAngle()
{
    ULONG available = 0, current = 0;
    CDvdNavigatorFilter* n = Navigator();
    return n && SUCCEEDED(n->GetInfo()->GetCurrentAngle(&available, &current)) ? current : 0;
}

unsigned long CDvdInputFilters2::GetAudioStreamCount()
{
    ULONG available = 0, current = 0;
    CDvdNavigatorFilter* n = Navigator();
    return n && SUCCEEDED(n->GetInfo()->GetCurrentAudio(&available, &current)) ? available : 0;
}

unsigned long CDvdInputFilters2::GetAudioStream()
{
    ULONG available = 0, current = 0;
    CDvdNavigatorFilter* n = Navigator();
    return n && SUCCEEDED(n->GetInfo()->GetCurrentAudio(&available, &current)) ? current : 0;
}

unsigned long CDvdInputFilters2::GetSubpicStreamCount()
{
    ULONG available = 0, current = 0;
    BOOL disabled = TRUE;
    CDvdNavigatorFilter* n = Navigator();
    return n && SUCCEEDED(n->GetInfo()->GetCurrentSubpicture(&available, &current, &disabled)) ? available : 0;
}

unsigned long CDvdInputFilters2::GetSubpicStream()
{
    ULONG available = 0, current = 0;
    BOOL disabled = TRUE;
    CDvdNavigatorFilter* n = Navigator();
    return n && SUCCEEDED(n->GetInfo()->GetCurrentSubpicture(&available, &current, &disabled)) ? current : 0;
}

bool CDvdInputFilters2::GetSupicOn()
{
    ULONG available = 0, current = 0;
    BOOL disabled = TRUE;
    CDvdNavigatorFilter* n = Navigator();
    return n && SUCCEEDED(n->GetInfo()->GetCurrentSubpicture(&available, &current, &disabled)) && !disabled;
}

CString CDvdInputFilters2::GetAudioStream(unsigned long index)
{
    LCID language = 0;
    CDvdNavigatorFilter* n = Navigator();
    if (!n || FAILED(n->GetInfo()->GetAudioLanguage(ULONG(index), &language))) return CString();
    return LanguageName(language);
}

CString CDvdInputFilters2::GetSubpicStream(unsigned long index)
{
    LCID language = 0;
    CDvdNavigatorFilter* n = Navigator();
    if (!n || FAILED(n->GetInfo()->GetSubpictureLanguage(ULONG(index), &language))) return CString();
    return LanguageName(language);
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
