#include "CAudioCodecBitrate.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCodecBitrate, CPersistObject, CAudioCodecBitrate::kType)

void CAudioCodecBitrate::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save("bitrate", m_bitrate);
    storage.Save("block align", m_blockAlign);
}

void CAudioCodecBitrate::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load("bitrate", m_bitrate);
    storage.Load("block align", m_blockAlign);
}
