#pragma once
// The one place the Windows build takes the platform's headers from: the
// component object model, automation, controls, windows and drawing.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <windowsx.h>
#include <ole2.h>
#include <oleauto.h>
#include <olectl.h>
#include <ocidl.h>
