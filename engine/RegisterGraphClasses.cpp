// Registers every persistent class of mvgraph, in this order, when the library loads.
// Static initialisation within this one file runs top to bottom, so a duplicate type
// code always resolves to the class listed first.
#include "CAudioCodecsInfo.h"
#include "CAudioDevicesInfo.h"
#include "CDecoderItem.h"
#include "CFileExtensionChain.h"
#include "CFileExtensionData.h"
#include "CFileExtensionFilterData.h"
#include "CFileFilterData.h"
#include "CFileTypeData.h"
#include "CFilterCheck.h"
#include "CFilterData.h"
#include "CGlobalSetting.h"
#include "CLocalSetting.h"
#include "CSplitterInfo.h"
#include "CTvCodecOption.h"
#include "CVideoCodecsInfo.h"
#include "CVideoDevicesInfo.h"
#include "CWmProfileVersion.h"
#include "CWmProfilesInfo.h"
#include "CMediaProfile.h"
#include "CQtExportSettings.h"
#include "CQuickTimeExportPersist.h"
#include "CQuickTimeExportTypePersist.h"
#include "CQuickTimePersist.h"

MV_REGISTER_PERSIST_CLASS(CFilterData)
MV_REGISTER_PERSIST_CLASS(CFileExtensionData)
MV_REGISTER_PERSIST_CLASS(CFileExtensionFilterData)
MV_REGISTER_PERSIST_CLASS(CFileTypeData)
MV_REGISTER_PERSIST_CLASS(CFileFilterData)
MV_REGISTER_PERSIST_CLASS(CSplitterInfo)
MV_REGISTER_PERSIST_CLASS(CFileExtensionChain)
MV_REGISTER_PERSIST_CLASS(CSettingDecodeMpeg)
MV_REGISTER_PERSIST_CLASS(CSettingMinimizeTaskBar)
MV_REGISTER_PERSIST_CLASS(CSettingDvdRip)
MV_REGISTER_PERSIST_CLASS(CSettingffDecoder)
MV_REGISTER_PERSIST_CLASS(CSettingRecordingPath)
MV_REGISTER_PERSIST_CLASS(CSettingLameDll)
MV_REGISTER_PERSIST_CLASS(CSettingRealAlternative)
MV_REGISTER_PERSIST_CLASS(CGlobalSetting)
MV_REGISTER_PERSIST_CLASS(CLocalSetting)
MV_REGISTER_PERSIST_CLASS(CDxDeviceInfo)
MV_REGISTER_PERSIST_CLASS(CMuxInfo)
MV_REGISTER_PERSIST_CLASS(CCodecInfo)
MV_REGISTER_PERSIST_CLASS(CVideoCodecSize)
MV_REGISTER_PERSIST_CLASS(CVideoCodecInfo)
MV_REGISTER_PERSIST_CLASS(CAudioCodecBitrate)
MV_REGISTER_PERSIST_CLASS(CAudioCodecBitsPerSample)
MV_REGISTER_PERSIST_CLASS(CAudioCodecChannel)
MV_REGISTER_PERSIST_CLASS(CAudioCodecSampleRate)
MV_REGISTER_PERSIST_CLASS(CAudioCodecInfo)
MV_REGISTER_PERSIST_CLASS(CTvCodecOption)
MV_REGISTER_PERSIST_CLASS(CCodecsInfo)
MV_REGISTER_PERSIST_CLASS(CVideoCodecsInfo)
MV_REGISTER_PERSIST_CLASS(CAudioCodecsInfo)
MV_REGISTER_PERSIST_CLASS(CCaptureDevice2)
MV_REGISTER_PERSIST_CLASS(CVideoCaptureFrameRate2)
MV_REGISTER_PERSIST_CLASS(CVideoCaptureSize2)
MV_REGISTER_PERSIST_CLASS(CVideoCaptureDevice2)
MV_REGISTER_PERSIST_CLASS(CAudioCaptureConnector2)
MV_REGISTER_PERSIST_CLASS(CAudioCaptureDevice2)
MV_REGISTER_PERSIST_CLASS(CDevicesInfo)
MV_REGISTER_PERSIST_CLASS(CVideoDevicesInfo)
MV_REGISTER_PERSIST_CLASS(CAudioDevicesInfo)
MV_REGISTER_PERSIST_CLASS(CDecoderItem)
MV_REGISTER_PERSIST_CLASS(CFilterCheck)
MV_REGISTER_PERSIST_CLASS(CMediaProfile)
MV_REGISTER_PERSIST_CLASS(CWmProfileVersion)
MV_REGISTER_PERSIST_CLASS(CWmProfilesInfo)
MV_REGISTER_PERSIST_CLASS(CQtExportSettings)
MV_REGISTER_PERSIST_CLASS(CQuickTimeExportTypePersist)
MV_REGISTER_PERSIST_CLASS(CQuickTimeExportPersist)
MV_REGISTER_PERSIST_CLASS(CQuickTimePersist)
