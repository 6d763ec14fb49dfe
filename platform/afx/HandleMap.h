#pragma once
// Maps from handles to the class library's wrapper objects: permanent entries for
// attached objects, and temporary wrappers made on demand and freed at idle time.
#include <map>
#include <memory>
#include <mutex>
#include <vector>

template <class T, class H> class MvHandleMap {
public:
    void Attach(H h, T* object)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_permanent[h] = object;
    }
    void Detach(H h)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_permanent.erase(h);
    }
    T* Permanent(H h)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    // The attached object, or a temporary one that wraps h without owning it.
    T* FromHandle(H h)
    {
        if (!h) return nullptr;
        std::lock_guard<std::mutex> guard(m_lock);
        auto it = m_permanent.find(h);
        if (it != m_permanent.end()) return it->second;
        auto& temp = m_temporary[h];
        if (!temp) {
            temp = std::make_unique<T>();
            temp->SetTemporaryHandle(h);
        }
        return temp.get();
    }
    // The handle went away: its temporary wrapper forgets it (and is freed at idle).
    void Forget(H h)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto it = m_temporary.find(h);
        if (it == m_temporary.end()) return;
        it->second->SetTemporaryHandle(H{});
        m_orphans.push_back(std::move(it->second));
        m_temporary.erase(it);
    }
    void DeleteTemporary()
    {
        std::map<H, std::unique_ptr<T>> temp;
        std::vector<std::unique_ptr<T>> orphans;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            temp.swap(m_temporary);
            orphans.swap(m_orphans);
        }
        for (auto& [h, object] : temp) object->SetTemporaryHandle(H{});
    }

private:
    std::mutex m_lock;
    std::map<H, T*> m_permanent;
    std::map<H, std::unique_ptr<T>> m_temporary;
    std::vector<std::unique_ptr<T>> m_orphans;
};
