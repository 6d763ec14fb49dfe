#pragma once
// The ways every application keeps objects in XML settings files: chosen by the user,
// "default" files in the user's data folder and "system" files in the common one.
class CPersistObject;
class CPersistStorage;

class UPersistStorage {
public:
    static bool Save(CPersistObject& object, const char* name, CPersistStorage& storage);
    // False when the storage ran out or was damaged part way.
    static bool Load(CPersistObject& object, const char* name, CPersistStorage& storage);
    // False when the user cancels or, for saving, when the file could not be written.
    static bool PromptSave(CPersistObject& object, const char* extension, const char* description);
    // False when the user cancels or the chosen file holds no settings; the object is then untouched.
    static bool PromptLoad(CPersistObject& object, const char* extension, const char* description);
    static bool DefaultSave(CPersistObject& object, const char* name, const char* fileName);
    static bool DefaultLoad(CPersistObject& object, const char* name, const char* fileName);
    static bool SystemSave(CPersistObject& object, const char* name, const char* fileName);
    static bool SystemLoad(CPersistObject& object, const char* name, const char* fileName);

    // The XML file behind each of the above.
    static bool SaveFile(CPersistObject& object, const char* name, const char* path);
    // Guarded by StCrashGuard; false when skipped, missing or not a settings file.
    static bool LoadFile(CPersistObject& object, const char* name, const char* path);
};
