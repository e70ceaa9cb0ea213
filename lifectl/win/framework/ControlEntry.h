#pragma once
// Every call from the container ends as a status code: memory exhaustion and
// any other exception from the control's code become E_OUTOFMEMORY or E_FAIL.
#include "WinPlatform.h"

#include <new>

template <class Call> HRESULT AfxGuardedCall(Call&& call)
{
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}
