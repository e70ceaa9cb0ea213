#pragma once
// The few checks the Windows test programs make (no test framework exists for
// the cross compiler): each prints what it found, failures are counted.
#include <windows.h>

#include <cstdio>

struct WinCheck {
    int failures = 0;
    void That(bool ok, const char* what)
    {
        std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
        if (!ok)
            ++failures;
    }
    void Code(HRESULT actual, HRESULT expected, const char* what)
    {
        std::printf("%s: %s (0x%08lX, expected 0x%08lX)\n", actual == expected ? "ok" : "FAILED", what,
                    static_cast<unsigned long>(actual), static_cast<unsigned long>(expected));
        if (actual != expected)
            ++failures;
    }
    int Exit() const { return failures == 0 ? 0 : 1; }
};

// A function of a loaded module, typed; the detour through FARPROC's generic
// pointer keeps the cast honest about what GetProcAddress returns.
template <class Function> Function ProcOf(HMODULE module, const char* name)
{
    FARPROC proc = GetProcAddress(module, name);
    Function typed = nullptr;
    static_assert(sizeof typed == sizeof proc);
    __builtin_memcpy(&typed, &proc, sizeof typed);
    return typed;
}
