#pragma once
// Class ids of the writer and renderer filters, beside those the platform declares with
// its filters (file writers, audio and untimed renderers, multiplexers, image writers).
#include "ConstGuid.h"
#include "dshow/asf/AsfWriterId.h"
#include "dshow/AudioRenderer.h"
#include "dshow/SinkFilter.h"
#include "dshow/StreamFileWriter.h"
#include "dshow/StreamMultiplexer.h"
#include "dshow/images/ImageIds.h"
#include "dshow/writers/MpegWriterIds.h"

inline constexpr CLSID CLSID_DefaultVideoRenderer = ConstGuid("6BC1CFFA-8FC1-4261-AC22-CFB4CC38DB50");
inline constexpr CLSID CLSID_PlainVideoRenderer = ConstGuid("70E102B0-5556-11CE-97C0-00AA0055595A");
inline constexpr CLSID CLSID_FlashWriter = ConstGuid("0ED94708-EE06-426B-B730-25698EEF3C82");
inline constexpr CLSID CLSID_QuickTimeMovExport = ConstGuid("69C23747-D4A8-42CE-B9E7-45540981E015");
inline constexpr CLSID CLSID_QuickTimeMovExport2 = ConstGuid("BC6F00DB-F7E1-4EF6-A868-B88948EC7240");
inline constexpr CLSID CLSID_QuickTime3gpExport = ConstGuid("A333431D-26E4-4BFB-BD52-7D48024B880C");
inline constexpr CLSID CLSID_QuickTime3gpExport2 = ConstGuid("EFC92568-DD0A-4A4E-8513-6785EEACFEF2");
inline constexpr CLSID CLSID_QuickTimeMp4Export = ConstGuid("BC99931A-8215-4F53-8762-9366AD8DA03A");
inline constexpr CLSID CLSID_QuickTimeMp4Export2 = ConstGuid("4082751B-B509-435D-AAC4-D592DA95C6FF");
inline constexpr CLSID CLSID_QuickTimeDvExport = ConstGuid("BAAE9A94-2A1E-43CD-A2EF-51ADB79F5A2F");
inline constexpr CLSID CLSID_QuickTimeWriter = ConstGuid("733E3501-32ED-40EB-BDFB-842ECEA4822F");
inline constexpr CLSID CLSID_QuickTimeWriter20000 = ConstGuid("2137E8A6-3534-4FB6-8370-2113CA28F651");
inline constexpr CLSID CLSID_QuickTimeWriter59301 = ConstGuid("01D320CB-FD6F-4893-93CC-720B6F06252C");
inline constexpr CLSID CLSID_QuickTimeAifExport = ConstGuid("81CF4B2F-7B31-4617-9F66-3AC7974C18BD");
inline constexpr CLSID CLSID_QuickTimeFlcExport = ConstGuid("4B7DC760-34AE-4654-8E8B-E720657BCC76");
inline constexpr CLSID CLSID_RealFileWriter = ConstGuid("D6227529-BB2F-4281-AAAB-5146344EB3B3");
