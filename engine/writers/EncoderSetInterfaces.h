#pragma once
// Settings interfaces that filters of the encoder set offer their wrappers, beside those
// the platform declares with the filters. Methods are listed in slot order after the
// three IUnknown methods; a slot the engine never calls still holds a place so that the
// slots it does call keep their positions.
#include "ConstGuid.h"
#include "IVideoPostback.h"
#include "dshow/interfaces/3dMixSettings.h"
#include "dshow/images/ImageInterfaces.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "dshow/interfaces/MultiFileSource.h"
#include "dshow/interfaces/ScalerInterfaces.h"
#include "dshow/interfaces/SnapshotInterfaces.h"
#include "dshow/interfaces/TimeStampSettings.h"
#include "com/Unknown.h"
#include "win32/WinTypes.h"

// File source: whether QuickTime files are read as blocks.
struct IQuickTimeBlockSetting : IUnknown {
    static constexpr IID kIid = ConstGuid("C04A6E89-0012-49BD-A64E-92F173F19EE0");
    using Base = IUnknown;
    virtual HRESULT SetBlock(BYTE block) = 0;
};


// Installed video compressors: their own About and settings dialogs and their state.
struct IAMVfwCompressDialogs : IUnknown {
    static constexpr IID kIid = ConstGuid("D8D715A3-6E5E-11D0-B3F0-00AA003761C5");
    using Base = IUnknown;
    virtual HRESULT ShowDialog(int dialog, HWND parent) = 0;
    virtual HRESULT GetState(void* state, int* size) = 0;
    virtual HRESULT SetState(void* state, int size) = 0;
    virtual HRESULT SendDriverMessage(int message, long param1, long param2) = 0;
};
inline constexpr int VfwCompressDialog_Config = 1;
inline constexpr int VfwCompressDialog_About = 2;
inline constexpr int VfwCompressDialog_QueryConfig = 4;
inline constexpr int VfwCompressDialog_QueryAbout = 8;
