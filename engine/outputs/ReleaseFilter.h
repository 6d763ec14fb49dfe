#pragma once
// Releases a filter wrapper an output set owns, deletes it and forgets it.

template <class Filter>
void ReleaseFilter(Filter*& filter)
{
    if (!filter) return;
    filter->Release();
    delete filter;
    filter = nullptr;
}
