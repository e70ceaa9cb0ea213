// A container of ours that does none of the hosting itself: the platform's
// control-hosting window (the AtlAxWin class of atl.dll) creates the control
// from its ProgID, gives it its site and activates it in place. We press the
// left button through the platform's input, let the platform's timer tick
// through the automation interface, and take the control window's pictures
// from the screen as 24-bit BMP files for the comparison with the Linux build.
// Argument: the folder for the pictures. Prints the steps it took.
#include "WinCheck.h"

#include <ole2.h>
#include <oleauto.h>

#include <string>
#include <vector>

namespace {
// atl.dll has no headers in mingw-w64; these are the three functions we call.
using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

constexpr int kWidth = 320;
constexpr int kHeight = 235;

void PumpFor(DWORD milliseconds)
{
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

// The pixels the window shows on the screen, read back through its device context.
bool SavePicture(HWND hwnd, const std::string& path)
{
    HDC window = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(window);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, kWidth, kHeight, window, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((kWidth * 3 + 3) / 4) * 4;
    const DWORD imageSize = stride * kHeight;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    info.bmiHeader.biSizeImage = imageSize;
    bool written = false;
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out != INVALID_HANDLE_VALUE) {
        DWORD done = 0;
        written = WriteFile(out, &file, sizeof file, &done, nullptr) && WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &done, nullptr)
                  && WriteFile(out, bits, imageSize, &done, nullptr);
        CloseHandle(out);
    }
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(hwnd, window);
    return written;
}

HRESULT Call(IDispatch* control, const wchar_t* name, WORD flags, VARIANT* argument, VARIANT* result)
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = control->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params = {argument, argument != nullptr && flags == DISPATCH_PROPERTYPUT ? &put : nullptr,
                         argument != nullptr ? 1u : 0u, argument != nullptr && flags == DISPATCH_PROPERTYPUT ? 1u : 0u};
    return control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
}

void LeftClick(HWND hwnd, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(hwnd, &point);
    SetCursorPos(point.x, point.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}
}

int main(int argc, char** argv)
{
    WinCheck check;
    if (argc != 2) {
        std::printf("usage: container-test PICTURE-FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    OleInitialize(nullptr);
    HMODULE atl = LoadLibraryA("atl.dll");
    auto atlAxWinInit = ProcOf<AtlAxWinInitFn>(atl, "AtlAxWinInit");
    auto atlAxGetControl = ProcOf<AtlAxGetControlFn>(atl, "AtlAxGetControl");
    check.That(atlAxWinInit != nullptr && atlAxGetControl != nullptr && atlAxWinInit(),
               "the platform's atl.dll registers its AtlAxWin class");
    if (check.failures != 0)
        return check.Exit();

    HWND frame = CreateWindowExW(0, L"STATIC", L"Cellora in AtlAxWin", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND host = CreateWindowExW(0, L"AtlAxWin", L"CELLORA.GameOfLifeCtrl.1", WS_CHILD | WS_VISIBLE, 0, 0, kWidth,
                                kHeight, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
    check.That(host != nullptr, "AtlAxWin makes its window for the ProgID");
    PumpFor(300);
    IUnknown* unknown = nullptr;
    check.Code(host != nullptr ? atlAxGetControl(host, &unknown) : E_FAIL, S_OK, "the host window holds a control");
    IDispatch* control = nullptr;
    IOleInPlaceObject* inPlace = nullptr;
    if (unknown != nullptr) {
        unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&control));
        unknown->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace));
        unknown->Release();
    }
    HWND window = nullptr;
    check.That(inPlace != nullptr && SUCCEEDED(inPlace->GetWindow(&window)) && IsWindowVisible(window),
               "the control is active in place with a visible window of its own");
    if (control == nullptr || window == nullptr)
        return check.Exit();
    check.That(GetParent(window) == host, "its window is a child of the host's");

    UpdateWindow(window);
    PumpFor(200);
    check.That(SavePicture(window, folder + "\\start.bmp"), "picture of the new control taken");

    LeftClick(window, 17, 99);
    PumpFor(300);
    check.That(SavePicture(window, folder + "\\pressed.bmp"), "picture after a left press at (17, 99) taken");

    VARIANT speed;
    VariantInit(&speed);
    speed.vt = VT_I2;
    speed.iVal = 50;
    check.Code(Call(control, L"Speed", DISPATCH_PROPERTYPUT, &speed, nullptr), S_OK, "Speed = 50");
    check.Code(Call(control, L"StartLife", DISPATCH_METHOD, nullptr, nullptr), S_OK, "StartLife");
    PumpFor(1500);
    check.Code(Call(control, L"StopLife", DISPATCH_METHOD, nullptr, nullptr), S_OK, "StopLife");
    PumpFor(300);
    check.That(SavePicture(window, folder + "\\ticked.bmp"), "picture after the timer's ticks taken");

    inPlace->Release();
    control->Release();
    DestroyWindow(frame);
    PumpFor(100);
    OleUninitialize();
    return check.Exit();
}
