#include "CDvdPlaybackAdministrator2.h"

#include "CDvdInputFilters2.h"

CDvdPlaybackAdministrator2::~CDvdPlaybackAdministrator2()
{
    Release();
}

bool CDvdPlaybackAdministrator2::CreateInputFilters()
{
    auto* input = new CDvdInputFilters2(m_graph);
    input->SetFilePath(m_filePath);
    SetInputFilters(input);
    return true;
}

CDvdInputFilters2* CDvdPlaybackAdministrator2::Dvd() const
{
    return dynamic_cast<CDvdInputFilters2*>(m_input);
}

void CDvdPlaybackAdministrator2::SlowPlay()
{
    if (CDvdInputFilters2* dvd = Dvd()) dvd->SlowPlay();
}

unsigned long CDvdPlaybackAdministrator2::GetTitleCount()
{
    return Dvd() ? Dvd()->GetTitleCount() : 0;
}

unsigned long CDvdPlaybackAdministrator2::GetChapterCount(unsigned long title)
{
    return Dvd() ? Dvd()->GetChapterCount(title) : 0;
}

unsigned long CDvdPlaybackAdministrator2::GetAngleCount()
{
    return Dvd() ? Dvd()->GetAngleCount() : 0;
}

unsigned long CDvdPlaybackAdministrator2::GetAngle()
{
    return Dvd() ? Dvd()->GetAngle() : 0;
}

void CDvdPlaybackAdministrator2::SelectAngle(unsigned long angle)
{
    if (CDvdInputFilters2* dvd = Dvd()) dvd->SelectAngle(angle);
}

unsigned long CDvdPlaybackAdministrator2::GetAudioStreamCount()
{
    return Dvd() ? Dvd()->GetAudioStreamCount() : 0;
}

CString CDvdPlaybackAdministrator2::GetAudioStream(unsigned long index)
{
    return Dvd() ? Dvd()->GetAudioStream(index) : CString();
}

unsigned long CDvdPlaybackAdministrator2::GetAudioStream()
{
    return Dvd() ? Dvd()->GetAudioStream() : 0;
}

void CDvdPlaybackAdministrator2::SelectAudioStream(unsigned long stream)
{
    if (CDvdInputFilters2* dvd = Dvd()) dvd->SelectAudioStream(stream);
}

unsigned long CDvdPlaybackAdministrator2::GetSubpicStreamCount()
{
    return Dvd() ? Dvd()->GetSubpicStreamCount() : 0;
}

CString CDvdPlaybackAdministrator2::GetSubpicStream(unsigned long index)
{
    return Dvd() ? Dvd()->GetSubpicStream(index) : CString();
}

unsigned long CDvdPlaybackAdministrator2::GetSubpicStream()
{
    return Dvd() ? Dvd()->GetSubpicStream() : 0;
}

void CDvdPlaybackAdministrator2::SelectSubpicStream(unsigned long stream)
{
    if (CDvdInputFilters2* dvd = Dvd()) dvd->SelectSubpicStream(stream);
}

bool CDvdPlaybackAdministrator2::GetSubpicOn()
{
    return Dvd() && Dvd()->GetSupicOn();
}

void CDvdPlaybackAdministrator2::SetSubpicOn(bool on)
{
    if (CDvdInputFilters2* dvd = Dvd()) dvd->SetSubpicOn(on);
}

void CDvdPlaybackAdministrator2::PlayTitle(unsigned long title, unsigned long chapter)
{
    CDvdInputFilters2* dvd = Dvd();
    if (!dvd) return;
    dvd->PlayTitle(title, chapter);
    Broadcast(kDvdTitleChangedMessage, this, nullptr);
}

void CDvdPlaybackAdministrator2::PlayChapter(unsigned long title, unsigned long chapter)
{
    CDvdInputFilters2* dvd = Dvd();
    if (!dvd) return;
    dvd->PlayChapter(title, chapter);
    Broadcast(kDvdTitleChangedMessage, this, nullptr);
}
