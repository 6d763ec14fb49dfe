#include "CAudioCdReader2.h"

#include "CAudioCdTrack2.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCdReader2, CPersistObject, FourCharCode("acd2"))

namespace {
const char* const kTracksTag = "tracks";
}

CAudioCdReader2::CAudioCdReader2() : m_tracks(FourCharCode("act2")) {}

void CAudioCdReader2::Clear()
{
    CPersistObject::Clear();
    m_tracks.DeleteAll();
}

void CAudioCdReader2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_tracks.Save(kTracksTag, storage);
}

void CAudioCdReader2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_tracks.Load(kTracksTag, storage);
}

void CAudioCdReader2::AddTrack(CAudioCdTrack2* track) { m_tracks.Add(track); }
void CAudioCdReader2::RemoveTrack(CAudioCdTrack2* track) { m_tracks.Delete(track); }
CAudioCdTrack2* CAudioCdReader2::GetTrack(int index) const { return m_tracks.At(index); }
int CAudioCdReader2::GetTrackIndex(const CAudioCdTrack2* track) const { return m_tracks.IndexOf(track); }

int CAudioCdReader2::GetCheckedTrackCount() const
{
    int count = 0;
    for (int i = 0; i < GetTrackCount(); ++i)
        if (GetTrack(i)->GetChecked()) ++count;
    return count;
}
