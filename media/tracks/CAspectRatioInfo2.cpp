#include "CAspectRatioInfo2.h"

#include "CEnumMap.h"
#include "CPersistStorage.h"

#include <cmath>
#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CAspectRatioInfo2, CPersistObject, FourCharCode("aspr"))

namespace {
const char* const kOriginalTag = "original";
const char* const kInputTag = "input";
const char* const kOutputTag = "output";
const char* const kScalingTag = "scaling";
constexpr double kSnapDistance = 0.0001;
}

bool CAspectRatioInfo2::GetEnumText(const char* field, CEnumMap& map)
{
    if (field && std::strcmp(field, kScalingTag) == 0) {
        map.Add(0, "Stretch");
        map.Add(1, "Pan & Scan / Tilt & Scan");
        map.Add(2, "Letterbox / Pillarbox");
        return true;
    }
    return CPersistObject::GetEnumText(field, map);
}

void CAspectRatioInfo2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kOriginalTag, m_original);
    storage.Save(kInputTag, m_input);
    storage.Save(kOutputTag, m_output);
    storage.Save(kScalingTag, m_scaling);
}

void CAspectRatioInfo2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kOriginalTag, m_original);
    storage.Load(kInputTag, m_input);
    storage.Load(kOutputTag, m_output);
    storage.Load(kScalingTag, m_scaling);
    // The stored values, not the fields: a snapped original moves the input along,
    // and the stored input must win over that.
    const double original = m_original, input = m_input, output = m_output;
    SetOriginal(original);
    SetInput(input);
    SetOutput(output);
}

double CAspectRatioInfo2::ValidateAspectRatio(double ratio)
{
    if (std::fabs(ratio - 4.0 / 3.0) < kSnapDistance) return 4.0 / 3.0;
    if (std::fabs(ratio - 16.0 / 9.0) < kSnapDistance) return 16.0 / 9.0;
    return ratio;
}

double CAspectRatioInfo2::ValidateOriginal(double value) { return ValidateAspectRatio(value); }
double CAspectRatioInfo2::ValidateInput(double value) { return ValidateAspectRatio(value); }
double CAspectRatioInfo2::ValidateOutput(double value) { return ValidateAspectRatio(value); }

void CAspectRatioInfo2::SideEffectOriginalChanged() { SetInput(m_original); }
void CAspectRatioInfo2::SideEffectInputChanged() { ResetScalingWhenEqual(); }
void CAspectRatioInfo2::SideEffectOutputChanged() { ResetScalingWhenEqual(); }

void CAspectRatioInfo2::ResetScalingWhenEqual()
{
    if (m_input == m_output) SetScaling(kStretch);
}

MV_IMPLEMENT_PROPERTY_SETTER(CAspectRatioInfo2, Original, double, m_original, kOriginalChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CAspectRatioInfo2, Input, double, m_input, kInputChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CAspectRatioInfo2, Output, double, m_output, kOutputChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CAspectRatioInfo2, Scaling, TVideoScaling, TVideoScaling, m_scaling, kScalingChangedNotice)
