#include "win32/dialogs/CommonDialogs.h"

#include "win32/CtlText.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/dialogs/ScriptedPrompt.h"
#include "win32/windowing/Window.h"

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

MvScriptedPrompt<MvFileDialogRequest, MvFileDialogAnswer>& Files()
{
    static auto* prompt = new MvScriptedPrompt<MvFileDialogRequest, MvFileDialogAnswer>;
    return *prompt;
}

MvScriptedPrompt<MvFolderRequest, MvFolderAnswer>& Folders()
{
    static auto* prompt = new MvScriptedPrompt<MvFolderRequest, MvFolderAnswer>;
    return *prompt;
}

thread_local DWORD tError = 0;

bool IsDir(const std::string& path)
{
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
}

std::string NameOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The filter list: bounded so that a string without its double NUL cannot run away.
std::vector<std::pair<std::string, std::string>> ParseFilters(LPCSTR filter)
{
    std::vector<std::pair<std::string, std::string>> out;
    if (!filter) return out;
    const char* p = filter;
    for (int i = 0; i < 256 && *p; ++i) {
        std::string description = p;
        p += description.size() + 1;
        std::string pattern = p;
        p += pattern.size() + 1;
        out.emplace_back(description, pattern);
        if (pattern.empty()) break;
    }
    return out;
}

bool ValidName(const std::string& name)
{
    return name.find_first_of("*?\"<>|") == std::string::npos;
}

std::string DefaultExtension(LPCSTR defExt)
{
    std::string ext = defExt ? defExt : "";
    while (!ext.empty() && (ext[0] == '*' || ext[0] == '.')) ext.erase(0, 1);
    return ext.find_first_of("*?;") == std::string::npos ? ext : std::string();
}

// Writes the answer into the structure; false (with an error) when it does not fit.
bool Store(LPOPENFILENAMEA ofn, const std::vector<std::string>& paths)
{
    std::string folder = FolderOf(paths[0]);
    std::string out;
    WORD offset, extension = 0;
    if (paths.size() == 1) {
        out = paths[0];
        out.push_back('\0');
        offset = static_cast<WORD>(std::min<size_t>(folder.empty() ? 0 : (folder == "/" ? 1 : folder.size() + 1), 0xFFFF));
        std::string name = NameOf(paths[0]);
        size_t dot = name.rfind('.');
        extension = static_cast<WORD>(std::min<size_t>(dot == std::string::npos ? out.size() - 1 : offset + dot + 1, 0xFFFF));
    } else {
        out = folder;
        out.push_back('\0');
        offset = static_cast<WORD>(std::min<size_t>(out.size(), 0xFFFF));
        for (const auto& p : paths) {
            if (FolderOf(p) != folder) {
                tError = FNERR_INVALIDFILENAME;   // one folder per choice, as in the dialog
                return false;
            }
            out += NameOf(p);
            out.push_back('\0');
        }
    }
    out.push_back('\0');
    if (!ofn->lpstrFile || out.size() > ofn->nMaxFile || out.size() > 0xFFFF) {
        tError = FNERR_BUFFERTOOSMALL;
        if (ofn->lpstrFile && ofn->nMaxFile >= 2) {
            // The size needed, in the buffer's first two bytes.
            WORD need = static_cast<WORD>(std::min<size_t>(out.size(), 0xFFFF));
            std::memcpy(ofn->lpstrFile, &need, sizeof need);
        }
        return false;
    }
    std::memcpy(ofn->lpstrFile, out.data(), out.size());
    ofn->nFileOffset = offset;
    ofn->nFileExtension = extension;
    int titleSize = static_cast<int>(std::min<DWORD>(ofn->nMaxFileTitle, 0x7FFFFFFF));
    CtlCopyOut(NameOf(paths[0]), ofn->lpstrFileTitle, titleSize);
    return true;
}

BOOL Prompt(LPOPENFILENAMEA ofn, bool save)
{
    tError = 0;
    if (!ofn || ofn->lStructSize < sizeof(DWORD) || !ofn->lpstrFile || ofn->nMaxFile == 0) {
        tError = CDERR_INITIALIZATION;
        return FALSE;
    }
    MvFileDialogRequest request;
    request.save = save;
    request.owner = ofn->hwndOwner;
    request.title = ofn->lpstrTitle ? ofn->lpstrTitle : (save ? "Save As" : "Open");
    request.filters = ParseFilters(ofn->lpstrFilter);
    request.filterIndex = static_cast<int>(ofn->nFilterIndex);
    request.initialName = std::string(ofn->lpstrFile, strnlen(ofn->lpstrFile, ofn->nMaxFile));
    request.initialDir = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : "";
    request.flags = ofn->Flags;
    if (!ValidName(request.initialName)) {
        // The dialog cannot start with this name.
        tError = FNERR_INVALIDFILENAME;
        return FALSE;
    }
    MvFileDialogAnswer answer = Files().Ask(request, MvFileDialogAnswer{});
    if (!answer.ok || answer.paths.empty()) return FALSE;
    if (!(ofn->Flags & OFN_ALLOWMULTISELECT) && answer.paths.size() > 1) answer.paths.resize(1);
    std::string ext = DefaultExtension(ofn->lpstrDefExt);
    for (auto& path : answer.paths) {
        if (save && !ext.empty() && NameOf(path).find('.') == std::string::npos) path += "." + ext;
        if ((ofn->Flags & OFN_FILEMUSTEXIST) && !IsFile(path)) return FALSE;
        if ((ofn->Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !IsDir(FolderOf(path))) return FALSE;
    }
    if (save && (ofn->Flags & OFN_OVERWRITEPROMPT) && IsFile(answer.paths[0])) {
        std::string question = answer.paths[0] + " already exists.\nDo you want to replace it?";
        if (MessageBoxA(ofn->hwndOwner, question.c_str(), request.title.c_str(), MB_YESNO | MB_ICONWARNING) != IDYES)
            return FALSE;
    }
    if (!Store(ofn, answer.paths)) return FALSE;
    if (answer.filterIndex > 0 && static_cast<size_t>(answer.filterIndex) <= request.filters.size())
        ofn->nFilterIndex = static_cast<DWORD>(answer.filterIndex);
    return TRUE;
}

// The hidden window a browse callback talks to.
LRESULT BrowserProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == BFFM_SETSELECTIONA && wParam && lParam) {
        auto* request = static_cast<MvFolderRequest*>(GetPropA(hwnd, "MvRequest"));
        if (request) request->initialSelection = reinterpret_cast<const char*>(lParam);
        return TRUE;
    }
    if (message == BFFM_ENABLEOK) return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn) { return Prompt(ofn, false); }
BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn) { return Prompt(ofn, true); }
DWORD CommDlgExtendedError() { return tError; }

void MvSetFileDialogHandler(MvFileDialogHandler handler) { Files().SetHandler(std::move(handler)); }
void MvScriptFileDialog(MvFileDialogAnswer answer) { Files().Push(std::move(answer)); }
std::vector<MvFileDialogRequest> MvTakeShownFileDialogs() { return Files().TakeShown(); }

LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA info)
{
    if (!info) return nullptr;
    MvFolderRequest request;
    request.owner = info->hwndOwner;
    request.title = info->lpszTitle ? info->lpszTitle : "";
    request.flags = info->ulFlags;
    if (info->lpfn) {
        static bool registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = BrowserProc;
            wc.lpszClassName = "MvFolderBrowser";
            return RegisterClassA(&wc) != 0;
        }();
        (void)registered;
        HWND browser = CreateWindowExA(0, "MvFolderBrowser", request.title.c_str(), WS_POPUP, 0, 0, 0, 0,
                                       info->hwndOwner, nullptr, nullptr, nullptr);
        if (browser) {
            SetPropA(browser, "MvRequest", &request);
            info->lpfn(browser, BFFM_INITIALIZED, 0, info->lParam);
            DestroyWindow(browser);
        }
    }
    MvFolderAnswer answer = Folders().Ask(request, MvFolderAnswer{});
    if (!answer.ok || answer.path.size() >= MAX_PATH || !IsDir(answer.path)) return nullptr;
    if (info->pszDisplayName) {
        std::string name = NameOf(answer.path);
        if (name.empty()) name = answer.path;
        std::strncpy(info->pszDisplayName, name.c_str(), MAX_PATH - 1);
        info->pszDisplayName[MAX_PATH - 1] = 0;
    }
    char* list = static_cast<char*>(std::malloc(answer.path.size() + 1));
    if (!list) return nullptr;
    std::memcpy(list, answer.path.c_str(), answer.path.size() + 1);
    return reinterpret_cast<LPITEMIDLIST>(list);
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST list, LPSTR path)
{
    if (!list || !path) return FALSE;
    const char* text = reinterpret_cast<const char*>(list);
    size_t n = strnlen(text, MAX_PATH);
    if (n >= MAX_PATH) {
        path[0] = 0;
        return FALSE;
    }
    std::memcpy(path, text, n + 1);
    return TRUE;
}

void ILFree(LPITEMIDLIST list)
{
    std::free(list);
}

void MvSetFolderHandler(MvFolderHandler handler) { Folders().SetHandler(std::move(handler)); }
void MvScriptFolder(MvFolderAnswer answer) { Folders().Push(std::move(answer)); }
std::vector<MvFolderRequest> MvTakeShownFolderPrompts() { return Folders().TakeShown(); }
