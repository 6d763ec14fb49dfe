#include "dshow/transforms/StageFilters.h"

#include "dshow/FilterRegistry.h"
#include "dshow/transforms/3dMixStage.h"
#include "dshow/transforms/BufferStage.h"
#include "dshow/transforms/ColorSpaceStage.h"
#include "dshow/transforms/ScalerStage.h"
#include "dshow/transforms/SnapshotStage.h"
#include "dshow/transforms/TeeStage.h"
#include "dshow/transforms/TimeStampStage.h"
#include "dshow/transforms/AudioIndicatorStage.h"
#include "dshow/transforms/PulseRegulatorStage.h"
#include "dshow/transforms/TimeCleanerStage.h"
#include "dshow/transforms/TimeDropperStage.h"
#include "dshow/transforms/TimeNilStage.h"
#include "dshow/transforms/TimeShifterStage.h"
#include "dshow/transforms/TransformIds.h"

void DShowRegisterStageFilters()
{
    DShowRegisterFilter(CLSID_TimeNil, "Time Nil", FilterRole::Other, 0, &CTimeNilStage::Create);
    DShowRegisterFilter(CLSID_TimeCleaner, "Time Cleaner", FilterRole::Other, 0, &CTimeCleanerStage::Create);
    DShowRegisterFilter(CLSID_TimeDropper, "Time Dropper", FilterRole::Other, 0, &CTimeDropperStage::Create);
    DShowRegisterFilter(CLSID_TimeShifter, "Time Shifter", FilterRole::Other, 0, &CTimeShifterStage::Create);
    DShowRegisterFilter(CLSID_BufferFilter, "Buffer", FilterRole::Other, 0, &CBufferStage::Create);
    DShowRegisterFilter(CLSID_PulseRegulator, "Pulse Regulator", FilterRole::Other, 0, &CPulseRegulatorStage::Create);
    DShowRegisterFilter(CLSID_ColorSpaceConverter, "Color Space Converter", FilterRole::Other, 0,
                        &CColorSpaceStage::Create);
    DShowRegisterFilter(CLSID_ColorConverter, "Color Converter", FilterRole::Other, 0,
                        &CScalerStage::Create<CLSID_ColorConverter>);
    DShowRegisterFilter(CLSID_CroppingColorConverter, "Cropping Color Converter", FilterRole::Other, 0,
                        &CScalerStage::Create<CLSID_CroppingColorConverter>);
    DShowRegisterFilter(CLSID_SnapShot, "Snap Shot", FilterRole::Other, 0, &CSnapshotStage::Create);
    DShowRegisterFilter(CLSID_TimeStamp, "Time Stamp", FilterRole::Other, 0, &CTimeStampStage::Create);
    DShowRegisterFilter(CLSID_AudioIndicator, "Audio Indicator", FilterRole::Other, 0, &CAudioIndicatorStage::Create);
    DShowRegisterFilter(CLSID_3dMix, "3D Mix", FilterRole::Other, 0, &C3dMixStage::Create);
    DShowRegisterFilter(CLSID_SmartTee, "Smart Tee", FilterRole::Other, 0, &CTeeStage::Create<CLSID_SmartTee>);
    DShowRegisterFilter(CLSID_InfinitePinTee, "Infinite Pin Tee", FilterRole::Other, 0,
                        &CTeeStage::Create<CLSID_InfinitePinTee>);
}
