// Feeds arbitrary bytes to the loaders of the application documents, device targets,
// broadcast records and recording records, through the binary storage and, as text,
// through the XML settings reader; the bytes are also parsed as a recording's path.
// Whatever the bytes, loading must end, stay in bounds, leave only items of the expected
// class in the lists, and leak nothing; the loaded records must stand their own operations.
#include "CAudioCdRipperData.h"
#include "CBrivastCam.h"
#include "CBrivastData.h"
#include "CConversionBatch.h"
#include "CDxFileObject.h"
#include "CId3Info.h"
#include "CImageUpload.h"
#include "CKalmethData.h"
#include "CMediaConversionData.h"
#include "CMediaConversionOutputs.h"
#include "CPortableMediaConversion.h"
#include "CQuorlanData.h"
#include "CRecordingDir.h"
#include "CRecordingFile.h"
#include "CScreenRecorderData.h"
#include "CTargetDecisions.h"
#include "CTargetPlatform.h"
#include "CVideoSliceData.h"
#include "../../framework/fuzz/PersistFuzz.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void CheckTargets(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CTargetDecisions decisions;
    decisions.Load("Settings", storage);
    for (int i = 0; i < decisions.GetTargetCount(); ++i) {
        CTargetConversion* target = decisions.GetTarget(i);
        Require(target->IsInstanceOf(FourCharCode("targ")));
        target->GetMaxVideoPixels();
        target->GetMinVideoPixels();
        Require(target->GetHorizontalAlignment() >= 2 && target->GetVerticalAlignment() >= 2);
    }
    for (int i = 0; i < decisions.GetPlatformCount(); ++i)
        Require(decisions.GetPlatform(i)->IsInstanceOf(FourCharCode("tpla")));
    decisions.EnsurePlatforms();

    // The device converter looks its devices up in the loaded catalogue.
    storage.ResetLoad(true);
    CQuorlanData data;
    data.Load("Settings", storage);
    for (int i = 0; i < data.GetDeviceCount(); ++i) Require(data.GetDevice(i)->IsInstanceOf(FourCharCode("pmed")));
    for (int i = 0; i < data.GetConversionList().GetFileCount(); ++i)
        Require(data.GetConversionList().GetFile(i)->IsInstanceOf(FourCharCode("mcdt")));
    data.Validate();
    if (!data.GetDevice().IsEmpty()) data.EnsureDevice(data.GetDevice());
    decisions.AddPSPTarget();
    data.EnsureDevice("PSP");
    CQuorlanData::UsePspSequence();
}

void CheckBroadcasts(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CBrivastData data;
    data.Load("Settings", storage);
    for (int i = 0; i < data.GetCamCount(); ++i) {
        CBrivastCam* cam = data.GetCam(i);
        Require(cam->IsInstanceOf(FourCharCode("bvcm")));
        Require(cam->GetId() == 0 || !cam->GetNew());
        data.FindCamByName(cam->GetVideoRecorder().GetVideoSource().GetName(), false, cam);
    }
    for (int i = 0; i < data.GetBroadcastCount(); ++i)
        Require(data.GetBroadcast(i)->IsInstanceOf(FourCharCode("bvbr")));
    Require(data.GetAccount().FindBroadcast("x") != nullptr);
}

void LoadEvery(CPersistStorage& storage)
{
    CheckTargets(storage);
    CheckBroadcasts(storage);
    storage.ResetLoad(true);
    CConversionBatch batch;
    batch.Load("Settings", storage);
    for (int i = 0; i < batch.GetConversionList().GetFileCount(); ++i)
        batch.GetConversionList().GetFile(i)->Validate();
    batch.Validate();
    storage.ResetLoad(true);
    CScreenRecorderData screen;
    screen.Load("Settings", storage);
    screen.Validate();
    LoadAs<CPortableMediaConversion>(storage);
    LoadAs<CMediaConversionOutputs>(storage);
    LoadAs<CImageUpload>(storage);
    LoadAs<CRecordingDir>(storage);
    LoadAs<CDxFileObject>(storage);
    LoadAs<CId3Info>(storage);
    LoadAs<CAudioCdRipperData>(storage);
    LoadAs<CKalmethData>(storage);
    LoadAs<CVideoSliceData>(storage);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!FeedBinaryAndXml(data, size, LoadEvery)) return 0;
    std::string text(reinterpret_cast<const char*>(data), size);
    CRecordingFile file;
    file.Parse(text.c_str());
    return 0;
}
