#pragma once
// Whole objects in binary files, texts of any length, and the scrambling of stored passwords.
#include "afx/CString.h"

class CPersistObject;
class CPersistStorage;

class UPersistUtils {
public:
    // A text of any length; a storage that finds nothing leaves the text as it was.
    static void Load(CPersistStorage& storage, const char* name, CString& text);
    // False when the file cannot be read or does not hold a whole object.
    static bool Load(const char* path, CPersistObject& object);
    // False when the file could not be written; the old file then stays.
    static bool Save(const char* path, CPersistObject& object);

    static CString Encrypt(const char* text);
    static CString Decrypt(const char* text);
    static void DecryptLoad(CPersistStorage& storage, const char* name, CString& text);
};
