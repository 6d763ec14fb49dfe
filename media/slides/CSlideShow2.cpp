#include "CSlideShow2.h"

#include "CEnumMap.h"
#include "CPersistStorage.h"
#include "CSlideInfo2.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CSlideShow2, CPersistObject, FourCharCode("slsh"))

namespace {
const char* const kDurationOptionTag = "duration option";
const char* const kDurationTag = "duration";
const char* const kSlidesTag = "slides";
const char* const kAudioFileTag = "audio file";
constexpr double kShortestSlide = 1.0 / 30;
}

CSlideShow2::CSlideShow2() : m_slides(FourCharCode("slif")) {}

bool CSlideShow2::GetEnumText(const char* field, CEnumMap& map)
{
    if (field && std::strcmp(field, kDurationOptionTag) == 0) {
        map.Add(0, "Auto");
        map.Add(1, "Same");
        map.Add(2, "Specify Each");
        return true;
    }
    return CPersistObject::GetEnumText(field, map);
}

void CSlideShow2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kDurationOptionTag, m_durationType);
    storage.Save(kDurationTag, m_slideDuration);
    m_slides.Save(kSlidesTag, storage);
    m_audioFile.Save(kAudioFileTag, storage);
}

void CSlideShow2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kDurationOptionTag, m_durationType);
    storage.Load(kDurationTag, m_slideDuration);
    m_slides.Load(kSlidesTag, storage);
    m_audioFile.Load(kAudioFileTag, storage);
}

ESlideDuration CSlideShow2::ValidateDurationType(ESlideDuration type)
{
    return m_audioFile.GetFilePath().GetFilePath().IsEmpty() ? kSlideDurationSame : type;
}
MV_IMPLEMENT_NO_SIDE_EFFECT(CSlideShow2, DurationType)
MV_IMPLEMENT_PROPERTY_SETTER(CSlideShow2, DurationType, ESlideDuration, m_durationType, kDurationTypeChangedNotice)

double CSlideShow2::ValidateSlideDuration(double duration) { return duration > kShortestSlide ? duration : m_slideDuration; }

void CSlideShow2::SideEffectSlideDurationChanged()
{
    for (int i = 0; i < GetSlideCount(); ++i) GetSlide(i)->SetDuration(m_slideDuration);
}

MV_IMPLEMENT_PROPERTY_SETTER(CSlideShow2, SlideDuration, double, m_slideDuration, kSlideDurationChangedNotice)

void CSlideShow2::AddSlideAt(CSlideInfo2* slide, int index)
{
    if (!slide) return;
    slide->SetDuration(m_slideDuration);
    if (index < 0 || index > GetSlideCount()) index = GetSlideCount();
    m_slides.AddAt(slide, index);
}

void CSlideShow2::AddSlide(CSlideInfo2* slide) { m_slides.Add(slide); }
void CSlideShow2::RemoveSlide(CSlideInfo2* slide) { m_slides.Delete(slide); }

CSlideInfo2* CSlideShow2::GetSlide(int index) const { return m_slides.At(index); }
int CSlideShow2::GetSlideIndex(const CSlideInfo2* slide) const { return m_slides.IndexOf(slide); }
