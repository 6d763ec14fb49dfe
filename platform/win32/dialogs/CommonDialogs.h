#pragma once
// The file-open, file-save and folder prompts. A display backend answers them
// through a handler; in tests the next scripted answer is taken; with neither the
// prompt is cancelled. Every prompt shown is recorded.
#include "win32/Messages.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_SHOWHELP 0x00000010
#define OFN_NOVALIDATE 0x00000100
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_EXTENSIONDIFFERENT 0x00000400
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_CREATEPROMPT 0x00002000
#define OFN_NOREADONLYRETURN 0x00008000
#define OFN_EXPLORER 0x00080000
#define OFN_ENABLESIZING 0x00800000

#define CDERR_GENERALCODES 0x0000
#define CDERR_STRUCTSIZE 0x0001
#define CDERR_INITIALIZATION 0x0002
#define FNERR_SUBCLASSFAILURE 0x3001
#define FNERR_INVALIDFILENAME 0x3002
#define FNERR_BUFFERTOOSMALL 0x3003

struct OPENFILENAMEA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCSTR lpstrFilter;         // pairs "description\0pattern\0", ending in "\0\0"
    LPSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;         // 1-based
    LPSTR lpstrFile;            // in: the initial name; out: the chosen file(s)
    DWORD nMaxFile;
    LPSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCSTR lpstrDefExt;
    LPARAM lCustData;
    void* lpfnHook;
    LPCSTR lpTemplateName;
};
using OPENFILENAME = OPENFILENAMEA;
using LPOPENFILENAMEA = OPENFILENAMEA*;

// With several files chosen lpstrFile holds the folder, NUL, each name, NUL, and a
// final NUL; nFileOffset points at the first name.
BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn);
BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn);
DWORD CommDlgExtendedError();
#define GetOpenFileName GetOpenFileNameA
#define GetSaveFileName GetSaveFileNameA

struct MvFileDialogRequest {
    bool save = false;
    HWND owner = nullptr;
    std::string title;
    std::vector<std::pair<std::string, std::string>> filters;   // (description, pattern)
    int filterIndex = 0;
    std::string initialName;
    std::string initialDir;
    DWORD flags = 0;
};
struct MvFileDialogAnswer {
    bool ok = false;
    std::vector<std::string> paths;     // full paths; several only with OFN_ALLOWMULTISELECT
    int filterIndex = 0;                // the filter the user left selected; 0 keeps it
};
using MvFileDialogHandler = std::function<MvFileDialogAnswer(const MvFileDialogRequest&)>;
void MvSetFileDialogHandler(MvFileDialogHandler handler);
void MvScriptFileDialog(MvFileDialogAnswer answer);
std::vector<MvFileDialogRequest> MvTakeShownFileDialogs();

// Folder browsing.
struct ITEMIDLIST;
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;
using PIDLIST_ABSOLUTE = LPITEMIDLIST;
using BFFCALLBACK = int (*)(HWND, UINT, LPARAM, LPARAM);
struct BROWSEINFOA {
    HWND hwndOwner;
    LPCITEMIDLIST pidlRoot;
    LPSTR pszDisplayName;       // receives the chosen folder's name (MAX_PATH)
    LPCSTR lpszTitle;
    UINT ulFlags;
    BFFCALLBACK lpfn;
    LPARAM lParam;
    int iImage;
};
using LPBROWSEINFOA = BROWSEINFOA*;
#define BIF_RETURNONLYFSDIRS 0x0001
#define BIF_DONTGOBELOWDOMAIN 0x0002
#define BIF_STATUSTEXT 0x0004
#define BIF_RETURNFSANCESTORS 0x0008
#define BIF_EDITBOX 0x0010
#define BIF_VALIDATE 0x0020
#define BIF_NEWDIALOGSTYLE 0x0040
#define BIF_NONEWFOLDERBUTTON 0x0200
#define BFFM_INITIALIZED 1
#define BFFM_SELCHANGED 2
#define BFFM_ENABLEOK (WM_USER + 101)
#define BFFM_SETSELECTIONA (WM_USER + 102)
#define BFFM_SETSELECTION BFFM_SETSELECTIONA

// The chosen folder as an item list (free it with ILFree or CoTaskMemFree), or null.
LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA info);
// Copies the folder's path (at most MAX_PATH bytes with its NUL) into path.
BOOL SHGetPathFromIDListA(LPCITEMIDLIST list, LPSTR path);
void ILFree(LPITEMIDLIST list);
#define SHBrowseForFolder SHBrowseForFolderA
#define SHGetPathFromIDList SHGetPathFromIDListA

struct MvFolderRequest {
    HWND owner = nullptr;
    std::string title;
    UINT flags = 0;
    std::string initialSelection;   // what the caller's callback preselected
};
struct MvFolderAnswer {
    bool ok = false;
    std::string path;
};
using MvFolderHandler = std::function<MvFolderAnswer(const MvFolderRequest&)>;
void MvSetFolderHandler(MvFolderHandler handler);
void MvScriptFolder(MvFolderAnswer answer);
std::vector<MvFolderRequest> MvTakeShownFolderPrompts();
