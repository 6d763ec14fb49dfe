#include "dshow/transforms/StageFilters.h"

#include "dshow/FilterRegistry.h"
#include "dshow/transforms/BufferFilter.h"
#include "dshow/transforms/TimeCleanerFilter.h"
#include "dshow/transforms/TimeDropperFilter.h"
#include "dshow/transforms/TimeNilFilter.h"
#include "dshow/transforms/TimeShifterFilter.h"
#include "dshow/transforms/TransformIds.h"

void DShowRegisterStageFilters()
{
    DShowRegisterFilter(CLSID_TimeNil, "Time Nil", FilterRole::Other, 0, &CTimeNilFilter::Create);
    DShowRegisterFilter(CLSID_TimeCleaner, "Time Cleaner", FilterRole::Other, 0, &CTimeCleanerFilter::Create);
    DShowRegisterFilter(CLSID_TimeDropper, "Time Dropper", FilterRole::Other, 0, &CTimeDropperFilter::Create);
    DShowRegisterFilter(CLSID_TimeShifter, "Time Shifter", FilterRole::Other, 0, &CTimeShifterFilter::Create);
    DShowRegisterFilter(CLSID_BufferFilter, "Buffer", FilterRole::Other, 0, &CBufferFilter::Create);
}
