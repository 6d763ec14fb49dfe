#pragma once
// Class ids of the filters the engine's wrappers create: the encoder set's own and the
// system filters they fall back to.
#include "ConstGuid.h"

inline constexpr CLSID CLSID_AudioIndicator = ConstGuid("D53074A9-E498-482F-9783-9D0C5E345C4D");
inline constexpr CLSID CLSID_AudioRechanneler = ConstGuid("B7860F7B-659A-462F-97EA-E689DE7A54FB");
inline constexpr CLSID CLSID_AudioResampler = ConstGuid("CABE88D5-0002-467C-8B4D-A79B0963FF5D");
inline constexpr CLSID CLSID_BufferFilter = ConstGuid("8F22F77C-1106-4B55-B1F3-34E34FA5081D");
inline constexpr CLSID CLSID_SnapShot = ConstGuid("3FABE755-F53F-448B-B5A1-0ADF8000BBD4");
inline constexpr CLSID CLSID_PulseRegulator = ConstGuid("F3F1C3E4-9483-4E64-AD87-67FB20CC74A1");
inline constexpr CLSID CLSID_TimeStamp = ConstGuid("9F606048-8704-4F81-9CB7-9DCF973D3DA3");
inline constexpr CLSID CLSID_Watermark = ConstGuid("18961180-E1C6-4D6E-B95B-D6C21905AF53");
inline constexpr CLSID CLSID_ColorConverter = ConstGuid("4438426E-2D7A-42AA-9749-72423C0B6A1D");
inline constexpr CLSID CLSID_CroppingColorConverter = ConstGuid("1310BEBE-AFE8-48F0-8957-93DBEAF584C1");
inline constexpr CLSID CLSID_TimeNil = ConstGuid("32AE30BE-6562-45AB-9AB6-940B14F96381");
inline constexpr CLSID CLSID_TimeCleaner = ConstGuid("D4467A1F-F16E-49EC-BCE8-67998C15206E");
inline constexpr CLSID CLSID_TimeDropper = ConstGuid("6F9B893A-32CE-44B9-9B85-C0E76CBE516E");
inline constexpr CLSID CLSID_TimeShifter = ConstGuid("0A8DFDE7-912D-4274-9A19-BF2E3766B1EF");
inline constexpr CLSID CLSID_3dMix = ConstGuid("FD20D193-3659-4CEC-96F6-5B38FF0EABF7");
inline constexpr CLSID CLSID_ImageUpload = ConstGuid("319B5F15-8990-4A8E-8401-BC948604E01C");
inline constexpr CLSID CLSID_ScreenCapture = ConstGuid("633485DB-4DA0-4808-8384-84653E4402AF");
inline constexpr CLSID CLSID_AudioTrack = ConstGuid("A5243ECF-C4AB-42CB-9A4B-EAC90CE0DB19");
inline constexpr CLSID CLSID_MultiFileSource = ConstGuid("F33699E6-4338-405C-9F94-582540BA1D5B");

// System filters.
inline constexpr CLSID CLSID_ColorSpaceConverter = ConstGuid("1643E180-90F5-11CE-97D5-00AA0055595A");
inline constexpr CLSID CLSID_AviDecompressor = ConstGuid("CF49D4E0-1115-11CE-B03A-0020AF0BA770");
inline constexpr CLSID CLSID_AcmWrapper = ConstGuid("6A08CF80-0E18-11CF-A24D-0020AFD79767");
inline constexpr CLSID CLSID_SmartTee = ConstGuid("CC58E280-8AA1-11D1-B3F1-00AA003761C5");
inline constexpr CLSID CLSID_InfinitePinTee = ConstGuid("F8388A40-D5BB-11D0-BE5A-0080C706568E");
inline constexpr CLSID CLSID_SubtitleMixer = ConstGuid("9852A670-F845-491B-9BE6-EBD841B8A613");
inline constexpr CLSID CLSID_SubtitleMixer2 = ConstGuid("93A22E7A-5091-45EF-BA61-6DA26156A5D0");

