#include "win32/WindowObserver.h"

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

void MvNotifyWindowObservers(HWND hwnd, MvWindowEvent event)
{
    std::vector<IMvWindowObserver*> copy;
    {
        auto& o = TheObservers();
        std::lock_guard<std::mutex> guard(o.lock);
        if (o.list.empty()) return;
        copy = o.list;
    }
    for (auto* observer : copy) observer->OnWindowEvent(hwnd, event);
}
