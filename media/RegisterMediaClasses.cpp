// Registers every persistent class of mvmedia, in this order, when the library loads.
// Static initialisation within this one file runs top to bottom, so a duplicate type
// code always resolves to the class listed first.
#include "C3dInfo2.h"
#include "CAspectRatioInfo2.h"
#include "CAudioCaptureData.h"
#include "CAudioCdReader2.h"
#include "CAudioCdRipperData.h"
#include "CAudioCdTrack2.h"
#include "CAudioConverterData.h"
#include "CAudioInfo2.h"
#include "CAudioOutput2.h"
#include "CAudioSource2.h"
#include "CAudioTrack.h"
#include "CBrivastAccount.h"
#include "CBrivastBroadcast.h"
#include "CBrivastCam.h"
#include "CBrivastCategory.h"
#include "CBrivastData.h"
#include "CBrivastSubCategory.h"
#include "CCaptureSource2.h"
#include "CConversionBatch.h"
#include "CConversionList.h"
#include "CDulcrestData.h"
#include "CDvSource2.h"
#include "CDvWriter2.h"
#include "CDvdFileInfo.h"
#include "CDxDmoObject.h"
#include "CDxFileObject.h"
#include "CDxObject.h"
#include "CFennowData.h"
#include "CFileBatch2.h"
#include "CId3Info.h"
#include "CImageFile2.h"
#include "CImageInfo2.h"
#include "CImageOutput.h"
#include "CImageUpload.h"
#include "CKalmethData.h"
#include "CLiveRecorder2.h"
#include "CMediaBatch2.h"
#include "CMediaConversionData.h"
#include "CMediaConversionOutputs.h"
#include "CMediaFile2.h"
#include "CMediaInfo2.h"
#include "CMediaList2.h"
#include "CMediaOutput2.h"
#include "CMediaOutputList.h"
#include "CMediaStream.h"
#include "CMediaTrack.h"
#include "CMediaWriter2.h"
#include "COmbrakData.h"
#include "COstrelData.h"
#include "COutputType2.h"
#include "CPellixData.h"
#include "CPortableMediaConversion.h"
#include "CQuorlanData.h"
#include "CRealOutput.h"
#include "CRecordingDir.h"
#include "CRecordingFile.h"
#include "CSaveDir2.h"
#include "CSaveFile2.h"
#include "CScreenRecorder2.h"
#include "CScreenRecorderData.h"
#include "CScreenSource2.h"
#include "CSliceDuration2.h"
#include "CSlideInfo2.h"
#include "CSlideShow2.h"
#include "CSnapshotOutput.h"
#include "CSondrelData.h"
#include "CStrunelData.h"
#include "CSubtitleTrack.h"
#include "CTargetConversion.h"
#include "CTargetDecisions.h"
#include "CTargetDevice.h"
#include "CTargetPlatform.h"
#include "CTimedAction.h"
#include "CTrackOutput.h"
#include "CVideoInfo2.h"
#include "CVideoOutput2.h"
#include "CVideoRecorder2.h"
#include "CVideoRecorder3d2.h"
#include "CVideoSliceData.h"
#include "CVideoSource2.h"
#include "CVideoTrack.h"
#include "CVideoTransformation.h"
#include "CWmOutput2.h"

MV_REGISTER_PERSIST_CLASS(CAspectRatioInfo2)
MV_REGISTER_PERSIST_CLASS(CAudioInfo2)
MV_REGISTER_PERSIST_CLASS(CImageInfo2)
MV_REGISTER_PERSIST_CLASS(CVideoInfo2)
MV_REGISTER_PERSIST_CLASS(CVideoTransformation)
MV_REGISTER_PERSIST_CLASS(COutputType2)
MV_REGISTER_PERSIST_CLASS(CTrackOutput)
MV_REGISTER_PERSIST_CLASS(CAudioOutput2)
MV_REGISTER_PERSIST_CLASS(CVideoOutput2)
MV_REGISTER_PERSIST_CLASS(CImageOutput)
MV_REGISTER_PERSIST_CLASS(CWmOutput2)
MV_REGISTER_PERSIST_CLASS(CRealOutput)
MV_REGISTER_PERSIST_CLASS(CSnapshotOutput)
MV_REGISTER_PERSIST_CLASS(CMediaOutput2)
MV_REGISTER_PERSIST_CLASS(CSaveFile2)
MV_REGISTER_PERSIST_CLASS(CSaveDir2)
MV_REGISTER_PERSIST_CLASS(CTimedAction)
MV_REGISTER_PERSIST_CLASS(CMediaWriter2)
MV_REGISTER_PERSIST_CLASS(CMediaOutputList)
MV_REGISTER_PERSIST_CLASS(CDvWriter2)
MV_REGISTER_PERSIST_CLASS(CMediaTrack)
MV_REGISTER_PERSIST_CLASS(CAudioTrack)
MV_REGISTER_PERSIST_CLASS(CSubtitleTrack)
MV_REGISTER_PERSIST_CLASS(CVideoTrack)
MV_REGISTER_PERSIST_CLASS(CMediaInfo2)
MV_REGISTER_PERSIST_CLASS(CMediaStream)
MV_REGISTER_PERSIST_CLASS(CSliceDuration2)
MV_REGISTER_PERSIST_CLASS(CDvdFileInfo)
MV_REGISTER_PERSIST_CLASS(CMediaFile2)
MV_REGISTER_PERSIST_CLASS(CMediaList2)
MV_REGISTER_PERSIST_CLASS(CCaptureSource2)
MV_REGISTER_PERSIST_CLASS(CDvSource2)
MV_REGISTER_PERSIST_CLASS(CVideoSource2)
MV_REGISTER_PERSIST_CLASS(CAudioSource2)
MV_REGISTER_PERSIST_CLASS(CScreenSource2)
MV_REGISTER_PERSIST_CLASS(CLiveRecorder2)
MV_REGISTER_PERSIST_CLASS(CScreenRecorder2)
MV_REGISTER_PERSIST_CLASS(CVideoRecorder2)
MV_REGISTER_PERSIST_CLASS(C3dInfo2)
MV_REGISTER_PERSIST_CLASS(CVideoRecorder3d2)
MV_REGISTER_PERSIST_CLASS(CAudioCdTrack2)
MV_REGISTER_PERSIST_CLASS(CAudioCdReader2)
MV_REGISTER_PERSIST_CLASS(CImageFile2)
MV_REGISTER_PERSIST_CLASS(CSlideInfo2)
MV_REGISTER_PERSIST_CLASS(CSlideShow2)
MV_REGISTER_PERSIST_CLASS(CMediaBatch2)
MV_REGISTER_PERSIST_CLASS(CFileBatch2)

// Conversion documents, device targets, recordings and component descriptors.
MV_REGISTER_PERSIST_CLASS(CMediaConversionData)
MV_REGISTER_PERSIST_CLASS(CConversionList)
MV_REGISTER_PERSIST_CLASS(CConversionBatch)
MV_REGISTER_PERSIST_CLASS(CMediaConversionOutputs)
MV_REGISTER_PERSIST_CLASS(CId3Info)
MV_REGISTER_PERSIST_CLASS(CImageUpload)
MV_REGISTER_PERSIST_CLASS(CBrivastAccount)
MV_REGISTER_PERSIST_CLASS(CBrivastBroadcast)
MV_REGISTER_PERSIST_CLASS(CBrivastCategory)
MV_REGISTER_PERSIST_CLASS(CBrivastSubCategory)
MV_REGISTER_PERSIST_CLASS(CBrivastCam)
MV_REGISTER_PERSIST_CLASS(CBrivastData)
MV_REGISTER_PERSIST_CLASS(CTargetConversion)
MV_REGISTER_PERSIST_CLASS(CTargetPlatform)
MV_REGISTER_PERSIST_CLASS(CTargetDevice)
MV_REGISTER_PERSIST_CLASS(CPortableMediaConversion)
MV_REGISTER_PERSIST_CLASS(CTargetDecisions)
MV_REGISTER_PERSIST_CLASS(CQuorlanData)
MV_REGISTER_PERSIST_CLASS(CPellixData)
MV_REGISTER_PERSIST_CLASS(COstrelData)
MV_REGISTER_PERSIST_CLASS(CStrunelData)
MV_REGISTER_PERSIST_CLASS(COmbrakData)
MV_REGISTER_PERSIST_CLASS(CSondrelData)
MV_REGISTER_PERSIST_CLASS(CDulcrestData)
MV_REGISTER_PERSIST_CLASS(CFennowData)
MV_REGISTER_PERSIST_CLASS(CScreenRecorderData)
MV_REGISTER_PERSIST_CLASS(CAudioCaptureData)
MV_REGISTER_PERSIST_CLASS(CAudioCdRipperData)
MV_REGISTER_PERSIST_CLASS(CAudioConverterData)
MV_REGISTER_PERSIST_CLASS(CKalmethData)
MV_REGISTER_PERSIST_CLASS(CVideoSliceData)
MV_REGISTER_PERSIST_CLASS(CRecordingDir)
MV_REGISTER_PERSIST_CLASS(CRecordingFile)
MV_REGISTER_PERSIST_CLASS(CDxObject)
MV_REGISTER_PERSIST_CLASS(CDxDmoObject)
MV_REGISTER_PERSIST_CLASS(CDxFileObject)
