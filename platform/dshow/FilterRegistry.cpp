#include "dshow/FilterRegistry.h"

#include <algorithm>
#include <mutex>

namespace {
std::mutex& Lock()
{
    static std::mutex lock;
    return lock;
}
std::vector<FilterRegistration>& Table()
{
    static std::vector<FilterRegistration> table;
    return table;
}
void KeepPresent(std::vector<FilterRegistration>& list)
{
    std::erase_if(list, [](const FilterRegistration& r) { return r.present && !r.present(); });
}
} // namespace

void DShowRegisterFilter(REFCLSID clsid, const char* name, FilterRole role, DWORD merit, ComClassFactory factory,
                         REFCLSID category, bool (*present)())
{
    ComRegisterClass(clsid, factory);
    std::lock_guard lock(Lock());
    auto& table = Table();
    std::erase_if(table, [&](const FilterRegistration& r) { return r.clsid == clsid; });
    table.push_back({clsid, name ? name : "", role, merit, category, present});
}

void DShowUnregisterFilter(REFCLSID clsid)
{
    ComRegisterClass(clsid, nullptr);
    std::lock_guard lock(Lock());
    std::erase_if(Table(), [&](const FilterRegistration& r) { return r.clsid == clsid; });
}

std::vector<FilterRegistration> DShowFiltersOf(FilterRole role)
{
    std::vector<FilterRegistration> out;
    {
        std::lock_guard lock(Lock());
        for (const auto& r : Table())
            if (r.role == role) out.push_back(r);
    }
    KeepPresent(out);
    std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.merit > b.merit; });
    return out;
}

std::vector<FilterRegistration> DShowFiltersIn(REFCLSID category)
{
    std::vector<FilterRegistration> out;
    if (category == GUID_NULL) return out;
    {
        std::lock_guard lock(Lock());
        for (const auto& r : Table())
            if (r.category == category) out.push_back(r);
    }
    KeepPresent(out);
    return out;
}
