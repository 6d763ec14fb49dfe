#pragma once
// The colour format of every frame buffer. Values are stored and exchanged as plain integers.

enum EColorFormat : int {
    kColorNone = 0,

    // RGB frame layouts.
    kColorRgb8 = 100,     // palettised, one byte per pixel
    kColorRgb555 = 101,
    kColorRgb565 = 102,
    kColorRgb24 = 103,    // B, G, R in memory
    kColorRgbx32 = 104,   // R, G, B at bytes 0, 1, 2
    kColorXbgr32 = 105,   // R, G, B at bytes 3, 2, 1
    kColorRgb32 = 106,    // B, G, R, x in memory
    kColorArgb32 = 107,   // B, G, R, A in memory

    // YUV frame layouts.
    kColorAyuv = 200,
    kColorUyvy = 201,
    kColorY411 = 202,
    kColorY211 = 203,
    kColorYuy2 = 204,
    kColorYvyu = 205,
    kColorIf09 = 206,
    kColorIyuv = 207,
    kColorYv12 = 208,
    kColorYvu9 = 209,
    kColorI420 = 210,

    // Working formats of the scalers: a luma plane alone.
    kColorLuma = 1000,

    // Luma written into chosen bytes of an RGB frame: layout by the tens digit,
    // channel by the last (R, G, B, or G and B).
    kColorLumaRgb32R = 2000, kColorLumaRgb32G = 2001, kColorLumaRgb32B = 2002, kColorLumaRgb32GB = 2003,
    kColorLumaArgb32R = 2010, kColorLumaArgb32G = 2011, kColorLumaArgb32B = 2012, kColorLumaArgb32GB = 2013,
    kColorLumaXbgr32R = 2020, kColorLumaXbgr32G = 2021, kColorLumaXbgr32B = 2022, kColorLumaXbgr32GB = 2023,
    kColorLumaRgb24R = 2030, kColorLumaRgb24G = 2031, kColorLumaRgb24B = 2032, kColorLumaRgb24GB = 2033,

    // A subset of the RGB channels written into an existing 32-bit frame: layout by the tens
    // digit (2: R, G, B at bytes 3, 2, 1; otherwise 2, 1, 0), subset by the last digit.
    kColorPartRgb32Rg = 3000, kColorPartRgb32Bg = 3001, kColorPartRgb32Rb = 3002,
    kColorPartRgb32Gb = 3003, kColorPartRgb32R = 3004, kColorPartRgb32GB = 3005,
    kColorPartArgb32Rg = 3010, kColorPartArgb32Bg = 3011, kColorPartArgb32Rb = 3012,
    kColorPartArgb32Gb = 3013, kColorPartArgb32R = 3014, kColorPartArgb32GB = 3015,
    kColorPartXbgr32Rg = 3020, kColorPartXbgr32Bg = 3021, kColorPartXbgr32Rb = 3022,
    kColorPartXbgr32Gb = 3023, kColorPartXbgr32R = 3024, kColorPartXbgr32GB = 3025,
    kColorPartRgb32bRg = 3030, kColorPartRgb32bBg = 3031, kColorPartRgb32bRb = 3032,
    kColorPartRgb32bGb = 3033, kColorPartRgb32bR = 3034, kColorPartRgb32bGB = 3035,
};
