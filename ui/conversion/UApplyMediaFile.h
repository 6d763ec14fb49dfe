#pragma once
// Copies what a file check found (source and splitters, duration, tracks, tags) into a
// media file record.
class CFileCheckAdministrator2;
class CMediaFile2;

class UApplyMediaFile {
public:
    // The administrator has been created on the file; tracks are appended to the file's.
    static void ApplyMediaFile(CMediaFile2* file, CFileCheckAdministrator2* admin);
};
