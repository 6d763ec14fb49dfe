#pragma once
// The interfaces of the disc sources: the audio CD track source's drive address, and the
// DVD navigator's information and control.
#include "com/Unknown.h"

// The drive and track an audio CD track source reads.
struct IAudioTrackDrive : IUnknown {
    static constexpr IID kIid = {0x7ADBDE3C, 0x4B89, 0x4C04, {0x92, 0x3C, 0x44, 0xD7, 0xC2, 0xF8, 0xE2, 0x55}};
    using Base = IUnknown;
    virtual HRESULT SetAdapterId(BYTE adapter) = 0;
    virtual HRESULT GetAdapterId(BYTE* adapter) = 0;
    virtual HRESULT SetScsiId(BYTE scsi) = 0;
    virtual HRESULT GetScsiId(BYTE* scsi) = 0;
    virtual HRESULT SetTrackNumber(BYTE track) = 0;
    virtual HRESULT GetTrackNumber(BYTE* track) = 0;
};

enum DVD_DISC_SIDE { DVD_SIDE_A = 1, DVD_SIDE_B = 2 };

// Flags of the navigator's commands.
inline constexpr DWORD DVD_CMD_FLAG_None = 0;
inline constexpr DWORD DVD_CMD_FLAG_Flush = 1;

struct IDvdCmd;

struct IDvdInfo2 : IUnknown {
    static constexpr IID kIid = {0x34151510, 0xEEC0, 0x11D2, {0x82, 0x01, 0x00, 0xA0, 0xC9, 0xD7, 0x48, 0x42}};
    using Base = IUnknown;
    virtual HRESULT GetDVDVolumeInfo(ULONG* volumes, ULONG* volume, DVD_DISC_SIDE* side, ULONG* titles) = 0;
    virtual HRESULT GetNumberOfChapters(ULONG title, ULONG* chapters) = 0;
    virtual HRESULT GetCurrentAngle(ULONG* available, ULONG* current) = 0;
    virtual HRESULT GetCurrentAudio(ULONG* available, ULONG* current) = 0;
    virtual HRESULT GetCurrentSubpicture(ULONG* available, ULONG* current, BOOL* disabled) = 0;
    virtual HRESULT GetAudioLanguage(ULONG stream, LCID* language) = 0;
    virtual HRESULT GetSubpictureLanguage(ULONG stream, LCID* language) = 0;
};

struct IDvdControl2 : IUnknown {
    static constexpr IID kIid = {0x33BC7430, 0xEEC0, 0x11D2, {0x82, 0x01, 0x00, 0xA0, 0xC9, 0xD7, 0x48, 0x42}};
    using Base = IUnknown;
    virtual HRESULT SetDVDDirectory(LPCWSTR path) = 0;
    virtual HRESULT PlayChaptersAutoStop(ULONG title, ULONG chapter, ULONG count, DWORD flags, IDvdCmd** command) = 0;
    virtual HRESULT PlayForwards(double speed, DWORD flags, IDvdCmd** command) = 0;
    virtual HRESULT SelectAngle(ULONG angle, DWORD flags, IDvdCmd** command) = 0;
    virtual HRESULT SelectAudioStream(ULONG stream, DWORD flags, IDvdCmd** command) = 0;
    virtual HRESULT SelectSubpictureStream(ULONG stream, DWORD flags, IDvdCmd** command) = 0;
    virtual HRESULT SetSubpictureState(BOOL on, DWORD flags, IDvdCmd** command) = 0;
};

inline constexpr CLSID CLSID_DvdNavigator = {0x9B8C4620, 0x2C1A, 0x11D0, {0x84, 0x93, 0x00, 0xA0, 0x24, 0x38, 0xAD, 0x48}};
