// Feeds arbitrary bytes to the readers of the QuickTime settings stores, as binary storage
// and as XML text. Whatever the bytes, loading must end, keep only records of the expected
// classes, and the loaded stores must stand their lookups.
#include "CQtExportSettings.h"
#include "CQuickTimeExportPersist.h"
#include "CQuickTimeExportTypePersist.h"
#include "CQuickTimePersist.h"
#include "../../framework/fuzz/PersistFuzz.h"

#include <cstddef>
#include <cstdint>

namespace {

void CheckExport(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CQuickTimeExportPersist store;
    store.Load("QuickTime Export", storage);
    for (int i = 0; i < store.GetTypeCount(); ++i) {
        CQuickTimeExportTypePersist* type = store.GetType(i);
        if (!type) continue;
        for (int s = 0; s < type->GetExportSettingCount(); ++s)
            if (CQtExportSettings* setting = type->GetExportSetting(s)) Require(setting->GetSettings().GetSize() < (1u << 30));
        type->RoughFind(0, "Apple H.264", "Apple AAC-LC", 44100, 2, 16, 128000);
        type->RoughFind(1, "", "", 0, 0, 0, 0);
    }
    store.RoughFind(640, 0, "Apple H.264", "Apple AAC-LC", 44100, 2, 16, 128000);
}

void CheckCompressors(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CQuickTimePersist store;
    store.Load("QuickTime Data", storage);
    store.GetVideoData().FindTag(0x61766331);
}

void LoadEvery(CPersistStorage& storage)
{
    CheckExport(storage);
    CheckCompressors(storage);
    LoadAs<CQtExportSettings>(storage);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FeedBinaryAndXml(data, size, LoadEvery);
    return 0;
}
