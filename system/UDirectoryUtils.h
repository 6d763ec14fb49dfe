#pragma once
// The folders the system keeps its files in, and folder creation. Folder texts end with '/'
// and come back in the rotating text buffer.

class UDirectoryUtils {
public:
    static char* GetMyDocumentsDirectory();
    static char* GetMyDocumentsSubDirectory(const char* name);
    // <application data>/Morvane G5/<short application name, or "Common" without an id>/
    static char* GetUserAppDataDirectory();
    // <common application data>/Morvane G5/
    static char* GetCommonAppDataDirectory();
    // The running program's folder; empty when it cannot be read.
    static char* GetAppDirectory();
    static char* GetAppSubDirectory(const char* name);

    // Whether the path is a folder one can enter (the current directory stays as it is).
    static bool Exist(const char* path);
    static bool CreateDir(const char* path);
    // Creates the folder and every missing parent.
    static bool CreateDirectoryIfNotExist(const char* path);
    // Creates every folder of a file path; true for a bare file name.
    static bool EstablishPath(const char* filePath);
};
