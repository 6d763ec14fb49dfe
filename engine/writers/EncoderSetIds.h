#pragma once
// Class ids of the filters the engine's wrappers create: the encoder set's own and the
// system filters they fall back to, beside those the platform declares with its filters.
#include "ConstGuid.h"
#include "dshow/PcmConverterFilter.h"
#include "dshow/decoders/DecoderIds.h"
#include "dshow/images/ImageIds.h"
#include "dshow/sources/SourceIds.h"
#include "dshow/transforms/TransformIds.h"

inline constexpr CLSID CLSID_Watermark = ConstGuid("18961180-E1C6-4D6E-B95B-D6C21905AF53");
inline constexpr CLSID CLSID_ScreenCapture = ConstGuid("633485DB-4DA0-4808-8384-84653E4402AF");
inline constexpr CLSID CLSID_AudioTrack = ConstGuid("A5243ECF-C4AB-42CB-9A4B-EAC90CE0DB19");

// System filters.
inline constexpr CLSID CLSID_SubtitleMixer = ConstGuid("9852A670-F845-491B-9BE6-EBD841B8A613");
inline constexpr CLSID CLSID_SubtitleMixer2 = ConstGuid("93A22E7A-5091-45EF-BA61-6DA26156A5D0");

