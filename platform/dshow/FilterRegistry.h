#pragma once
// The filters the graph manager may add by itself: file sources for AddSourceFilter,
// transforms for Connect, renderers for Render, each with a merit (higher first).
// Registering also makes the class creatable through CoCreateInstance.
#include "com/ClassRegistry.h"

#include <string>
#include <vector>

enum class FilterRole { Source, Transform, Renderer, Other };

struct FilterRegistration {
    CLSID clsid;
    std::string name;
    FilterRole role;
    DWORD merit;
    CLSID category; // device category of the system device enumerator; GUID_NULL: none
    bool (*present)(); // asked when the filters are listed; null: always there
};

// present: whether what the filter stands on exists, asked only when filters are listed,
// so that registering loads nothing.
void DShowRegisterFilter(REFCLSID clsid, const char* name, FilterRole role, DWORD merit, ComClassFactory factory,
                         REFCLSID category = GUID_NULL, bool (*present)() = nullptr);
void DShowUnregisterFilter(REFCLSID clsid);
// The filters of a role that are present, highest merit first.
std::vector<FilterRegistration> DShowFiltersOf(FilterRole role);
// The present filters of a device category, in the order they were registered.
std::vector<FilterRegistration> DShowFiltersIn(REFCLSID category);
