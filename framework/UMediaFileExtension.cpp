#include "UMediaFileExtension.h"

#include <cstring>

CString UMediaFileExtension::GetAudioFileExtension(ESplitterType type)
{
    switch (type) {
    case 100: return "avi";
    case 200:
    case 250: return "wma";
    case 300:
    case 400: return "mpa";
    case 350: return "mp3";
    case 500: return "wav";
    case 600:
    case 601: return "mov";
    case 650: return "aif";
    case 700: return "mp4";
    case 1100: return "ogg";
    case 1200: return "mka";
    default: return "err";
    }
}

CString UMediaFileExtension::GetVideoFileExtension(ESplitterType type)
{
    switch (type) {
    case 100:
    case 110: return "avi";
    case 120: return "divx";
    case 130: return "xvid";
    case 200:
    case 250:
    case 251:
    case 252: return "wmv";
    case 300:
    case 400: return "mpg";
    case 600: return "mov";
    case 620: return "flc";
    case 630: return "3gp";
    case 631: return "3g2";
    case 700: return "mp4";
    case 900: return "dv";
    case 1100: return "ogm";
    case 1200: return "mkv";
    case 1300: return "swf";
    case 1600: return "gif";
    case 1700: return "Images";
    case 1800: return "";
    default: return "err";
    }
}

CString UMediaFileExtension::GetImageFileExtension(const char* format)
{
    if (!format) return "err";
    if (std::strcmp(format, "BMP") == 0) return "Images/n.bmp";
    if (std::strcmp(format, "GIF") == 0) return "Images/n.gif";
    if (std::strcmp(format, "JPG") == 0 || std::strcmp(format, "JPEG") == 0) return "Images/n.jpg";
    return "err";
}
