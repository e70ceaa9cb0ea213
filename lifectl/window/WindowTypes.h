#pragma once
// Window handles, messages and the flags of the window services, with the platform's names.
#include <cstdint>

using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using MSGID = unsigned int;

constexpr MSGID WM_PAINT = 0x000F;
constexpr MSGID WM_TIMER = 0x0113;
constexpr MSGID WM_LBUTTONDOWN = 0x0201;
constexpr MSGID WM_RBUTTONDOWN = 0x0204;

constexpr unsigned RDW_INVALIDATE = 0x0001;
constexpr unsigned RDW_UPDATENOW = 0x0100;

constexpr unsigned MB_OK = 0x0;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr WPARAM MK_LBUTTON = 0x1;
constexpr WPARAM MK_RBUTTON = 0x2;

constexpr LPARAM MAKELPARAM(int low, int high)
{
    return static_cast<LPARAM>(static_cast<std::uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(lp & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<std::int16_t>((lp >> 16) & 0xFFFF); }

class IWindowProc {
public:
    virtual LRESULT WindowProc(MSGID message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~IWindowProc() = default;
};

class IWindowSystem;

// A window: who receives its messages and which window system serves it.
struct HWND__ {
    IWindowSystem* system;
    IWindowProc* proc;
};
using HWND = HWND__*;
