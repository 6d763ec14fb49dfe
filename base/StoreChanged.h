#pragma once
// Stores a setting and tells whether it changed, for setters that reset cached state.

template <class T>
bool StoreChanged(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
