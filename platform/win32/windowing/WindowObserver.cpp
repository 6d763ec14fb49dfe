#include "win32/windowing/WindowObserver.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {
struct Observers {
    std::mutex lock;
    std::vector<IMvWindowObserver*> list;
};
Observers& TheObservers()
{
    static Observers* observers = new Observers;
    return *observers;
}
} // namespace

void MvAddWindowObserver(IMvWindowObserver* observer)
{
    auto& o = TheObservers();
    std::lock_guard<std::mutex> guard(o.lock);
    if (observer && std::find(o.list.begin(), o.list.end(), observer) == o.list.end()) o.list.push_back(observer);
}

void MvRemoveWindowObserver(IMvWindowObserver* observer)
{
    auto& o = TheObservers();
    std::lock_guard<std::mutex> guard(o.lock);
    o.list.erase(std::remove(o.list.begin(), o.list.end(), observer), o.list.end());
}

static std::vector<IMvWindowObserver*> Current()
{
    auto& o = TheObservers();
    std::lock_guard<std::mutex> guard(o.lock);
    return o.list;
}

void MvNotifyWindowObservers(HWND hwnd, MvWindowEvent event)
{
    for (auto* observer : Current()) observer->OnWindowEvent(hwnd, event);
}

void MvNotifyMenuObservers(HMENU menu)
{
    for (auto* observer : Current()) observer->OnMenuChanged(menu);
}
