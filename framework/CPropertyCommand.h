#pragma once
// Talks to an automation object by member name: calls methods and gets or sets
// properties, with typed shortcuts. Results are 0 on success, 1 (S_FALSE) when the value
// had another type than asked or an argument was missing, a negative COM error otherwise.
#include "win32/WinTypes.h"

struct IDispatch;
struct DISPPARAMS;
struct VARIANT;
using OLECHAR = WCHAR;

class CPropertyCommand {
public:
    // Holds one reference to the object for its lifetime.
    explicit CPropertyCommand(IDispatch* dispatch);
    // Copies hold a reference of their own, since every destructor releases one.
    CPropertyCommand(const CPropertyCommand& other);
    CPropertyCommand& operator=(const CPropertyCommand& other);
    ~CPropertyCommand();

    IDispatch* getDisp() const { return m_dispatch; }

    long _invoke(const OLECHAR* name, WORD flags, DISPPARAMS* params, VARIANT* result);
    // Arguments in the order COM expects: the last one first.
    long invoke(const OLECHAR* name, VARIANT* args, int count, VARIANT* result, WORD flags);
    long invoke(const OLECHAR* name, VARIANT* args, int count, VARIANT* result);
    long get(const OLECHAR* name, VARIANT* result);
    long put(const OLECHAR* name, VARIANT* value);

    long getStrProp(const OLECHAR* name, char* buffer, int size);
    long getIntProp(const OLECHAR* name, int& value);
    long getBoolProp(const OLECHAR* name, bool& value);
    long getDoubleProp(const OLECHAR* name, double& value);
    long getDateProp(const OLECHAR* name, double& value);
    long getDispProp(const OLECHAR* name, IDispatch** value);

    long setStrProp(const OLECHAR* name, const char* text);
    long setIntProp(const OLECHAR* name, int value);
    long setBoolProp(const OLECHAR* name, bool value);
    long setDoubleProp(const OLECHAR* name, double value);
    long setDateProp(const OLECHAR* name, double value);
    long setDispProp(const OLECHAR* name, IDispatch* value);

private:
    IDispatch* m_dispatch;
};
