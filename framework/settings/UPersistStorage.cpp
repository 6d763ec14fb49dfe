#include "UPersistStorage.h"

#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "CXmlPersistReader.h"
#include "CXmlPersistStorage.h"
#include "StCrashGuard.h"
#include "StLoadRestorer.h"
#include "UDirectoryUtils.h"
#include "afx/CString.h"
#include "win32/dialogs/CommonDialogs.h"

#include <string>


namespace {

// Asks for a file with one filter "description(*.ext)"; an empty text when cancelled.
CString AskForFile(bool save, const char* extension, const char* description)
{
    CString pattern;
    pattern.Format("*.%s", extension ? extension : "");
    CString text;
    text.Format("%s(%s)", description ? description : "", pattern.GetString());
    // The filter is pairs of NUL-terminated texts ending with an empty one.
    std::string filter = std::string(text) + '\0' + std::string(pattern) + '\0' + '\0';
    char file[MAX_PATH + 1] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrDefExt = extension;
    ofn.Flags = save ? OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    return ok ? CString(file) : CString();
}

}

bool UPersistStorage::Save(CPersistObject& object, const char* name, CPersistStorage& storage)
{
    object.Save(name, storage);
    return true;
}

bool UPersistStorage::Load(CPersistObject& object, const char* name, CPersistStorage& storage)
{
    StLoadRestorer restorer(object);
    object.Load(name, storage);
    return restorer.Finish(storage);
}

bool UPersistStorage::SaveFile(CPersistObject& object, const char* name, const char* path)
{
    CXmlPersistStorage storage(name, path);
    object.Save(name, storage);
    return storage.WriteSucceeded();
}

bool UPersistStorage::LoadFile(CPersistObject& object, const char* name, const char* path)
{
    StCrashGuard guard;
    if (StCrashGuard::CrashedLastTime()) return false;
    CXmlPersistReader reader(name, path);
    if (!reader.HasData()) return false;
    return Load(object, name, reader);
}

bool UPersistStorage::PromptSave(CPersistObject& object, const char* extension, const char* description)
{
    CString path = AskForFile(true, extension, description);
    return !path.IsEmpty() && SaveFile(object, "Settings", path);
}

bool UPersistStorage::PromptLoad(CPersistObject& object, const char* extension, const char* description)
{
    CString path = AskForFile(false, extension, description);
    if (path.IsEmpty()) return false;
    // A file without settings must not clear the object.
    CXmlPersistReader reader("Settings", path);
    if (!reader.HasData()) return false;
    return Load(object, "Settings", reader);
}

bool UPersistStorage::DefaultSave(CPersistObject& object, const char* name, const char* fileName)
{
    return SaveFile(object, name, CString(UDirectoryUtils::GetUserAppDataDirectory()) + fileName);
}

bool UPersistStorage::DefaultLoad(CPersistObject& object, const char* name, const char* fileName)
{
    return LoadFile(object, name, CString(UDirectoryUtils::GetUserAppDataDirectory()) + fileName);
}

bool UPersistStorage::SystemSave(CPersistObject& object, const char* name, const char* fileName)
{
    return SaveFile(object, name, CString(UDirectoryUtils::GetCommonAppDataDirectory()) + fileName);
}

bool UPersistStorage::SystemLoad(CPersistObject& object, const char* name, const char* fileName)
{
    return LoadFile(object, name, CString(UDirectoryUtils::GetCommonAppDataDirectory()) + fileName);
}
