// Registers every persistent class of mvdata, in this order, when the library loads.
// Static initialisation within this one file runs top to bottom, so a duplicate type
// code always resolves to the class listed first.
#include "CAppControl.h"
#include "CDualPersistPath.h"
#include "CDuration.h"
#include "CFtpInfo2.h"
#include "CHotKey2.h"
#include "CMediaTags.h"
#include "CNamedData.h"
#include "CNamedObject.h"
#include "CNamedValue.h"
#include "CPersistDate.h"
#include "CPersistDateTime.h"
#include "CPersistDuration.h"
#include "CPersistFile2.h"
#include "CPersistMultiFile2.h"
#include "CPersistPath.h"
#include "CPersistTime.h"
#include "CPropertyList.h"
#include "CPropertyValue.h"
#include "CScheduler.h"
#include "CWebAccount.h"
#include "CWebDescription.h"
#include "CWebObject.h"

MV_REGISTER_PERSIST_CLASS(CNamedObject)
MV_REGISTER_PERSIST_CLASS(CNamedData)
MV_REGISTER_PERSIST_CLASS(CNamedValue)
MV_REGISTER_PERSIST_CLASS(CPropertyValue)
MV_REGISTER_PERSIST_CLASS(CPropertyList)
MV_REGISTER_PERSIST_CLASS(CPersistTime)
MV_REGISTER_PERSIST_CLASS(CPersistDateTime)
MV_REGISTER_PERSIST_CLASS(CPersistDuration)
MV_REGISTER_PERSIST_CLASS(CScheduler)
MV_REGISTER_PERSIST_CLASS(CDuration)
MV_REGISTER_PERSIST_CLASS(CPersistPath)
MV_REGISTER_PERSIST_CLASS(CDualPersistPath)
MV_REGISTER_PERSIST_CLASS(CPersistFile2)
MV_REGISTER_PERSIST_CLASS(CPersistMultiFile2)
MV_REGISTER_PERSIST_CLASS(CFtpInfo2)
MV_REGISTER_PERSIST_CLASS(CAppControl)
MV_REGISTER_PERSIST_CLASS(CHotKey2)
MV_REGISTER_PERSIST_CLASS(CWebObject)
MV_REGISTER_PERSIST_CLASS(CWebAccount)
MV_REGISTER_PERSIST_CLASS(CWebDescription)
MV_REGISTER_PERSIST_CLASS(CPersistDate)
MV_REGISTER_PERSIST_CLASS(CMediaTags)
