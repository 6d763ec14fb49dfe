#pragma once
// Plain types, flags and ids of the speech layer.
#include "com/Unknown.h"

// Speak flags.
#define SPF_DEFAULT 0
#define SPF_ASYNC 1
#define SPF_PURGEBEFORESPEAK 2
#define SPF_IS_FILENAME 4
#define SPF_IS_XML 8
#define SPF_IS_NOT_XML 16

// Event ids; an interest mask has bit SPFEI(id) set for each wanted id.
enum SPEVENTENUM : WORD {
    SPEI_UNDEFINED = 0,
    SPEI_START_INPUT_STREAM = 1,
    SPEI_END_INPUT_STREAM = 2,
    SPEI_VOICE_CHANGE = 3,
    SPEI_TTS_BOOKMARK = 4,
    SPEI_WORD_BOUNDARY = 5,
    SPEI_PHONEME = 6,
    SPEI_SENTENCE_BOUNDARY = 7,
    SPEI_VISEME = 8,
    SPEI_TTS_AUDIO_LEVEL = 9,
    SPEI_TTS_PRIVATE = 15,
};
constexpr ULONGLONG SPFEI(int id) { return 1ULL << id; }
// Bits every mask may carry to mark it as a mask; they select no event.
constexpr ULONGLONG SPFEI_FLAGCHECK = (1ULL << 30) | (1ULL << 33);
constexpr ULONGLONG SPFEI_ALL_TTS_EVENTS = 0xFFFEULL | SPFEI_FLAGCHECK;

// What an event's lParam holds, and so how GetEvents' caller frees it.
enum SPEVENTLPARAMTYPE : WORD {
    SPET_LPARAM_IS_UNDEFINED = 0,
    SPET_LPARAM_IS_TOKEN = 1,   // interface pointer: Release
    SPET_LPARAM_IS_OBJECT = 2,  // interface pointer: Release
    SPET_LPARAM_IS_POINTER = 3, // task memory: CoTaskMemFree
    SPET_LPARAM_IS_STRING = 4,  // task memory: CoTaskMemFree
};

struct SPEVENT {
    WORD eEventId;
    WORD elParamType;
    ULONG ulStreamNum;
    ULONGLONG ullAudioStreamOffset;
    WPARAM wParam;
    LPARAM lParam;
};

enum SPRUNSTATE : DWORD {
    SPRS_DONE = 1,
    SPRS_IS_SPEAKING = 2,
};

// Input positions are in UTF-16 units of the text as given to Speak.
struct SPVOICESTATUS {
    ULONG ulCurrentStream;
    ULONG ulLastStreamQueued;
    HRESULT hrLastResult;
    DWORD dwRunningState;
    ULONG ulInputWordPos;
    ULONG ulInputWordLen;
    ULONG ulInputSentPos;
    ULONG ulInputSentLen;
    LONG lBookmarkId;
    WCHAR PhonemeId;
    WORD VisemeId;
    DWORD dwReserved1;
    DWORD dwReserved2;
};

enum SPFILEMODE {
    SPFM_OPEN_READONLY = 0,
    SPFM_OPEN_READWRITE = 1,
    SPFM_CREATE = 2,
    SPFM_CREATE_ALWAYS = 3,
};

enum SPAUDIOSTATE {
    SPAS_CLOSED = 0,
    SPAS_STOP = 1,
    SPAS_PAUSE = 2,
    SPAS_RUN = 3,
};

struct SPAUDIOSTATUS {
    SPAUDIOSTATE State;
    ULONGLONG CurSeekPos;   // bytes handed to the device
    ULONGLONG CurDevicePos; // bytes the device has played
};

// The notification callback: called on the message loop of the registering thread.
using SPNOTIFYCALLBACK = void(WPARAM wParam, LPARAM lParam);

// Category ids (registry-style paths, compared without regard to case).
inline constexpr const WCHAR* SPCAT_VOICES = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices";
inline constexpr const WCHAR* SPCAT_AUDIOOUT = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\AudioOutput";

// Stream format ids.
inline constexpr GUID SPDFID_WaveFormatEx = {0xED1A2711, 0xE3DC, 0x4341, {0xAE, 0x81, 0x5D, 0x54, 0x54, 0x24, 0x73, 0xB2}};
inline constexpr GUID SPDFID_Text = {0x268899A4, 0x043B, 0x47DD, {0xBC, 0x83, 0x5E, 0x15, 0xD6, 0x74, 0x6C, 0xB6}};

// Creatable classes.
inline constexpr CLSID CLSID_SpVoice = {0x1E6BD749, 0x2E83, 0x4B92, {0x8D, 0x71, 0xA3, 0x8F, 0xE6, 0xD5, 0xD4, 0x88}};
inline constexpr CLSID CLSID_SpObjectTokenCategory = {0xCC5C8745, 0xA9E4, 0x4351, {0x97, 0x64, 0x7C, 0x9E, 0x04, 0x54, 0x11, 0x7F}};
inline constexpr CLSID CLSID_SpObjectToken = {0x5B1B6B00, 0xBAA4, 0x4A67, {0x8C, 0xA4, 0xA7, 0x92, 0xFC, 0x7B, 0x87, 0x8C}};
inline constexpr CLSID CLSID_SpStream = {0x496691B8, 0x8C45, 0x4FDA, {0xAA, 0xF5, 0xC8, 0xC5, 0x99, 0xC0, 0x6E, 0x74}};
inline constexpr CLSID CLSID_SpMMAudioOut = {0x5A2F4D89, 0xFE9A, 0x49C9, {0xBF, 0xEE, 0xDE, 0xC8, 0xD0, 0xA2, 0xBC, 0xCE}};

#define SPERR_UNINITIALIZED static_cast<HRESULT>(0x80045001)
#define SPERR_ALREADY_INITIALIZED static_cast<HRESULT>(0x80045002)
#define SPERR_UNSUPPORTED_FORMAT static_cast<HRESULT>(0x80045003)
#define SPERR_DEVICE_BUSY static_cast<HRESULT>(0x80045006)
#define SPERR_NOT_FOUND static_cast<HRESULT>(0x8004503A)
#define SPERR_STREAM_CLOSED static_cast<HRESULT>(0x80045024)
#define STG_E_FILENOTFOUND static_cast<HRESULT>(0x80030002)
#define STG_E_MEDIUMFULL static_cast<HRESULT>(0x80030070)
