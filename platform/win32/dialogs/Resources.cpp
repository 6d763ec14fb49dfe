#include "win32/dialogs/Resources.h"

#include "win32/CtlText.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/UserState.h"
#include "win32/windowing/Window.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <set>

using mvuser::Guard;
using mvuser::Lock;

namespace {

struct Table {
    std::map<UINT, std::vector<MvMenuItemTemplate>> menus;
    std::map<UINT, std::string> strings;
    std::map<UINT, std::vector<ACCEL>> accelResources;
    std::map<uintptr_t, std::vector<ACCEL>> accelTables;
    uintptr_t nextAccel = 1;
    std::map<UINT, std::vector<UINT>> toolBars;
    std::set<int> keysDown;
};

Table& R()
{
    static Table* table = new Table;
    return *table;
}

template <class Map, class Value> bool AddOnce(Map& map, UINT id, Value&& value)
{
    Guard guard(Lock());
    return map.emplace(id, std::forward<Value>(value)).second;
}

} // namespace

UINT MvResourceId(LPCSTR name)
{
    if (IS_INTRESOURCE(name)) return static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name));
    if (name[0] == '#') return static_cast<UINT>(std::strtoul(name + 1, nullptr, 10));
    return 0;
}

bool MvRegisterMenu(UINT id, std::vector<MvMenuItemTemplate> items)
{
    return AddOnce(R().menus, id, std::move(items));
}

const std::vector<MvMenuItemTemplate>* MvFindMenuResource(LPCSTR name)
{
    Guard guard(Lock());
    auto it = R().menus.find(MvResourceId(name));
    return it == R().menus.end() ? nullptr : &it->second;
}

bool MvRegisterString(UINT id, const char* text)
{
    return AddOnce(R().strings, id, std::string(text ? text : ""));
}

const char* MvFindString(UINT id)
{
    Guard guard(Lock());
    auto it = R().strings.find(id);
    return it == R().strings.end() ? nullptr : it->second.c_str();
}

int LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int max)
{
    const char* text = MvFindString(id);
    return CtlCopyOut(text ? text : "", buffer, max);
}

bool MvRegisterAccelerators(UINT id, std::vector<ACCEL> table)
{
    return AddOnce(R().accelResources, id, std::move(table));
}

HACCEL CreateAcceleratorTableA(const ACCEL* entries, int count)
{
    if (!entries || count <= 0) return nullptr;
    Guard guard(Lock());
    uintptr_t key = R().nextAccel++;
    R().accelTables[key] = std::vector<ACCEL>(entries, entries + count);
    return reinterpret_cast<HACCEL>(key << 4);
}

HACCEL LoadAcceleratorsA(HINSTANCE, LPCSTR name)
{
    std::vector<ACCEL> copy;
    {
        Guard guard(Lock());
        auto it = R().accelResources.find(MvResourceId(name));
        if (it == R().accelResources.end()) return nullptr;
        copy = it->second;
    }
    return CreateAcceleratorTableA(copy.data(), static_cast<int>(copy.size()));
}

BOOL DestroyAcceleratorTable(HACCEL table)
{
    Guard guard(Lock());
    return R().accelTables.erase(reinterpret_cast<uintptr_t>(table) >> 4) ? TRUE : FALSE;
}

void MvSetKeyState(int virtualKey, bool down)
{
    Guard guard(Lock());
    if (down) R().keysDown.insert(virtualKey);
    else R().keysDown.erase(virtualKey);
}

SHORT GetKeyState(int virtualKey)
{
    Guard guard(Lock());
    return R().keysDown.count(virtualKey) ? static_cast<SHORT>(0x8000) : 0;
}

SHORT GetAsyncKeyState(int virtualKey)
{
    return GetKeyState(virtualKey);
}

int TranslateAcceleratorA(HWND hwnd, HACCEL table, LPMSG msg)
{
    if (!msg || !IsWindow(hwnd)) return 0;
    bool sys = msg->message == WM_SYSKEYDOWN || msg->message == WM_SYSCHAR;
    if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN && msg->message != WM_CHAR &&
        msg->message != WM_SYSCHAR)
        return 0;
    bool virt = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
    BYTE mods = (GetKeyState(VK_SHIFT) ? FSHIFT : 0) | (GetKeyState(VK_CONTROL) ? FCONTROL : 0) |
                ((sys || GetKeyState(VK_MENU)) ? FALT : 0);
    WORD command = 0;
    {
        Guard guard(Lock());
        auto it = R().accelTables.find(reinterpret_cast<uintptr_t>(table) >> 4);
        if (it == R().accelTables.end()) return 0;
        for (const ACCEL& a : it->second) {
            if (((a.fVirt & FVIRTKEY) != 0) != virt || a.key != static_cast<WORD>(msg->wParam)) continue;
            // Character entries ignore Shift (the character already carries it).
            BYTE want = a.fVirt & (FSHIFT | FCONTROL | FALT);
            BYTE have = virt ? mods : static_cast<BYTE>(mods & ~FSHIFT);
            if (!virt) want &= ~FSHIFT;
            if (want != have) continue;
            command = a.cmd;
            break;
        }
    }
    if (!command) return 0;
    SendMessageA(hwnd, WM_COMMAND, MAKELONG(command, 1), 0);
    return 1;
}

bool MvRegisterToolBar(UINT id, std::vector<UINT> buttons)
{
    return AddOnce(R().toolBars, id, std::move(buttons));
}

const std::vector<UINT>* MvFindToolBar(UINT id)
{
    Guard guard(Lock());
    auto it = R().toolBars.find(id);
    return it == R().toolBars.end() ? nullptr : &it->second;
}
