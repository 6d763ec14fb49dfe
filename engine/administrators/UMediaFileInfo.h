#pragma once
// What a created file check found: the file's source and splitters, its duration and
// the settings of each decoded track.
#include "win32/WinTypes.h"

class CDecodingOutputFilters;
class CFileCheckAdministrator2;

class UMediaFileInfo {
public:
    static bool GetFileFormat(CFileCheckAdministrator2* admin, GUID* inputId, GUID* splitter0, GUID* splitter1,
                              GUID* splitter2, GUID* splitter3, bool* chainSplitter, double* duration);
    // The processing output set when there is one, else the render output set.
    static CDecodingOutputFilters* GetOutputFitlers(CFileCheckAdministrator2* admin);
    static int GetVideoTrackCount(CFileCheckAdministrator2* admin);
    static int GetAudioTrackCount(CFileCheckAdministrator2* admin);
    static int GetSubtitleTrackCount(CFileCheckAdministrator2* admin);
    // The stream's codec (subtype, format code, plain flag, decoder ids) and its picture.
    static bool GetVideoTrackSettings(CFileCheckAdministrator2* admin, int index, GUID& subtype, unsigned long& code,
                                      bool& plain, GUID& decoderId, GUID& decoder2Id, unsigned short& width,
                                      unsigned short& height, double& frameRate, double& aspectRatio);
    // The stream's codec and the decoded sound.
    static bool GetAudioTrackSettings(CFileCheckAdministrator2* admin, int index, GUID& subtype, unsigned long& code,
                                      bool& plain, GUID& decoderId, GUID& decoder2Id, unsigned long& sampleRate,
                                      unsigned short& channels, unsigned short& bitsPerSample);
};
