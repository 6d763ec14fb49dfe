#pragma once
// Wave-out playback of PCM blocks. The device plays through ALSA's "default" device; where
// none opens (or MORVANE_AUDIO=null is set) a null device takes the blocks at the rate they
// would play, so every block is still reported done at its time. Callbacks run on the device's
// own thread with no lock held; wave calls other than waveOutReset and waveOutClose may be
// made from them.
#include "win32/audio/WaveFormat.h"
#include "win32/WinTypes.h"

#include <string>
#include <vector>

MV_DECLARE_HANDLE(HWAVEOUT);
using MMRESULT = UINT;

#define MMSYSERR_NOERROR 0u
#define MMSYSERR_ERROR 1u
#define MMSYSERR_BADDEVICEID 2u
#define MMSYSERR_ALLOCATED 4u
#define MMSYSERR_INVALHANDLE 5u
#define MMSYSERR_NODRIVER 6u
#define MMSYSERR_NOMEM 7u
#define MMSYSERR_INVALFLAG 10u
#define MMSYSERR_INVALPARAM 11u
#define MMSYSERR_HANDLEBUSY 12u
#define WAVERR_BADFORMAT 32u
#define WAVERR_STILLPLAYING 33u
#define WAVERR_UNPREPARED 34u

#define WAVE_MAPPER (static_cast<UINT>(-1))
#define WAVE_FORMAT_QUERY 0x0001u
#define CALLBACK_NULL 0x00000000u
#define CALLBACK_FUNCTION 0x00030000u
#define CALLBACK_EVENT 0x00050000u
#define CALLBACK_TYPEMASK 0x00070000u

#define WOM_OPEN 0x3BB
#define WOM_CLOSE 0x3BC
#define WOM_DONE 0x3BD

#define WHDR_DONE 0x00000001u
#define WHDR_PREPARED 0x00000002u
#define WHDR_INQUEUE 0x00000010u

struct WAVEHDR {
    LPSTR lpData;
    DWORD dwBufferLength;
    DWORD dwBytesRecorded;
    DWORD_PTR dwUser;
    DWORD dwFlags;
    DWORD dwLoops;
    WAVEHDR* lpNext;
    DWORD_PTR reserved;
};
using LPWAVEHDR = WAVEHDR*;

// For CALLBACK_FUNCTION; for WOM_DONE param1 is the WAVEHDR*.
using WAVEOUTPROC = void (*)(HWAVEOUT device, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR param2);

UINT waveOutGetNumDevs();
MMRESULT waveOutOpen(HWAVEOUT* device, UINT deviceId, const WAVEFORMATEX* format, DWORD_PTR callback,
                     DWORD_PTR instance, DWORD flags);
// Fails with WAVERR_STILLPLAYING while blocks are queued (waveOutReset first).
MMRESULT waveOutClose(HWAVEOUT device);
MMRESULT waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size);
MMRESULT waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size);
MMRESULT waveOutWrite(HWAVEOUT device, WAVEHDR* header, UINT size);
// Stops playback and reports every queued block done before returning.
MMRESULT waveOutReset(HWAVEOUT device);
MMRESULT waveOutPause(HWAVEOUT device);
MMRESULT waveOutRestart(HWAVEOUT device);

// Test support: while an instance lives, every device opened records the bytes written to it
// (taking them at once, unpaced) instead of playing them.
class MvWaveOutCapture {
public:
    MvWaveOutCapture();
    ~MvWaveOutCapture();
    MvWaveOutCapture(const MvWaveOutCapture&) = delete;
    MvWaveOutCapture& operator=(const MvWaveOutCapture&) = delete;

    WAVEFORMATEX Format() const;          // of the last device opened
    std::string Bytes() const;            // everything played, in order
    std::vector<size_t> BlockSizes() const;
    int OpenCount() const;
};

// Test support: makes every device opened from now on the paced null device (or stops doing so).
void MvWaveOutUseNullDevice(bool use);
