#pragma once
// OLE Automation values: length-prefixed wide strings (BSTR) and tagged values (VARIANT).
#include "com/Unknown.h"

using BSTR = OLECHAR*;
using VARTYPE = USHORT;
using VARIANT_BOOL = SHORT;
using DATE = double;  // days since 30 December 1899

#define VARIANT_TRUE static_cast<VARIANT_BOOL>(-1)
#define VARIANT_FALSE static_cast<VARIANT_BOOL>(0)

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_UNKNOWN = 13,
    VT_UI1 = 17,
    VT_I8 = 20,
};

struct IDispatch;

struct VARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        LONGLONG llVal;
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        HRESULT scode;
        DATE date;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
    };
};
using VARIANTARG = VARIANT;

// A BSTR keeps its length in bytes in the 4 bytes before the text, and a NUL after it.
// Null is a valid empty string throughout.
BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);
UINT SysStringByteLen(BSTR text);

void VariantInit(VARIANTARG* value);
// Frees the string or releases the object the value holds; it becomes VT_EMPTY.
HRESULT VariantClear(VARIANTARG* value);
// A deep copy: strings are duplicated, objects get a reference of their own.
HRESULT VariantCopy(VARIANTARG* target, const VARIANTARG* source);

#define DISP_E_MEMBERNOTFOUND static_cast<HRESULT>(0x80020003)
#define DISP_E_PARAMNOTFOUND static_cast<HRESULT>(0x80020004)
#define DISP_E_TYPEMISMATCH static_cast<HRESULT>(0x80020005)
#define DISP_E_UNKNOWNNAME static_cast<HRESULT>(0x80020006)
#define DISP_E_BADVARTYPE static_cast<HRESULT>(0x80020008)
#define DISP_E_EXCEPTION static_cast<HRESULT>(0x80020009)
#define DISP_E_BADPARAMCOUNT static_cast<HRESULT>(0x8002000E)
