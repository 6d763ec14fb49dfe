#include "CAudioCdTrack2.h"

#include "CPersistStorage.h"
#include "SNotifyRecord.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCdTrack2, CMediaInfo2, FourCharCode("act2"))

namespace {
const char* const kTrackTag = "track";
const char* const kIsAudioTag = "is audio";
const char* const kStartTag = "start";
const char* const kBlocksTag = "blocks";
const char* const kCheckedTag = "checked";
const char* const kOutputTag = "output";
constexpr double kSecondsPerBlock = 1.0 / 75;
}

void CAudioCdTrack2::Save(const char* name, CPersistStorage& storage)
{
    storage.EnterObject(name);
    SaveSelf(name, storage);
    storage.LeaveObject();
}

void CAudioCdTrack2::Load(const char* name, CPersistStorage& storage)
{
    Clear();
    if (!storage.EnterLoadLevel()) return;
    storage.EnterObject(name);
    LoadSelf(name, storage);
    Notify(kObjectChangedNotice, 0, 0);
    storage.LeaveObject();
    storage.LeaveLoadLevel();
}

// Only the track's own values: not those of the media info below it.
void CAudioCdTrack2::SaveSelf(const char*, CPersistStorage& storage)
{
    storage.Save(kTrackTag, m_trackNumber);
    storage.Save(kIsAudioTag, m_isAudioTrack);
    storage.Save(kStartTag, m_startAddress);
    storage.Save(kBlocksTag, m_blockCount);
    storage.Save(kCheckedTag, m_checked);
    m_output.Save(kOutputTag, storage);
}

void CAudioCdTrack2::LoadSelf(const char*, CPersistStorage& storage)
{
    storage.Load(kTrackTag, m_trackNumber);
    storage.Load(kIsAudioTag, m_isAudioTrack);
    storage.Load(kStartTag, m_startAddress);
    storage.Load(kBlocksTag, m_blockCount);
    storage.Load(kCheckedTag, m_checked);
    m_output.Load(kOutputTag, storage);
}

double CAudioCdTrack2::GetDuration() const { return m_blockCount * kSecondsPerBlock; }
double CAudioCdTrack2::GetConversionDuration() { return GetDuration(); }

bool CAudioCdTrack2::ValidateChecked(bool checked) { return m_isAudioTrack && checked; }
MV_IMPLEMENT_NO_SIDE_EFFECT(CAudioCdTrack2, Checked)
MV_IMPLEMENT_PROPERTY_SETTER(CAudioCdTrack2, Checked, bool, m_checked, kCheckedChangedNotice)

MV_IMPLEMENT_PLAIN_VALIDATOR(CAudioCdTrack2, IsAudioTrack, bool, bool)
void CAudioCdTrack2::SideEffectIsAudioTrackChanged() { SetChecked(m_isAudioTrack); }
MV_IMPLEMENT_PROPERTY_SETTER(CAudioCdTrack2, IsAudioTrack, bool, m_isAudioTrack, kIsAudioTrackChangedNotice)

MV_IMPLEMENT_PLAIN_PROPERTY(CAudioCdTrack2, TrackNumber, unsigned char, unsigned char, m_trackNumber,
                            kTrackNumberChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CAudioCdTrack2, StartAddress, ULONG, ULONG, m_startAddress, kStartAddressChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CAudioCdTrack2, BlockCount, ULONG, ULONG, m_blockCount, kBlockCountChangedNotice)
