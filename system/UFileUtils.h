#pragma once
// Paths ('/' separated), file tests and whole-file reads and writes. Texts come back in the
// rotating text buffer.
#include <cstdint>

class CHandle;

class UFileUtils {
public:
    // The text after the last dot of the file name, without the dot.
    static char* GetFileExtension(const char* path);
    static char* GetFileNameOnly(const char* path);
    static char* GetFileNameWithoutExtension(const char* path);
    static char* GetPathOnly(const char* path);
    // ext "mp3" or ".mp3" replaces the extension; "" drops it.
    static char* ReplaceExtension(const char* path, const char* ext);

    static void DeleteFileA(const char* path);
    // True unless the file or its folder is missing (a file that cannot be opened exists).
    static bool FileExist(const char* path);
    static int64_t GetFileSize(const char* path);
    // The whole file into data; false when it cannot be opened, is 4 GB or more, or is not read whole.
    static bool ReadFile(const char* path, CHandle& data);
    // Writes a temporary file and renames it over the old one: on any failure the old file
    // stays and false is returned. With ownerOnly the file is readable by its owner alone.
    // Temporary files that dead processes left beside the file are removed first.
    static bool WriteFile(const char* path, const unsigned char* data, uint32_t length, bool ownerOnly = false);

    // n = 1 turns "report.wav" into "report 2.wav"; n = 0 leaves the path.
    static char* GetNumberedFileName(const char* path, uint32_t n);
    static char* GetNonExistingFileName(const char* path);
};
