#pragma once
// A Life control embedded in a headless container: its own module state with
// Cellora's resources, a site with a 320 x 235 window, and helpers for calls
// through the dispatch interface.
#include "CelloraResources.h"
#include "GameOfLifeCtrl.h"
#include "HeadlessSite.h"
#include "HeadlessWindowSystem.h"
#include "WindowApi.h"

#include <gtest/gtest.h>

class ControlFixture : public ::testing::Test {
protected:
    ControlFixture() : scope(&module), site(windows, RECT{0, 0, 320, 235})
    {
        module.m_pResources = &resources;
        control = new CGameOfLifeCtrl;
        EXPECT_EQ(control->SetClientSite(&site), S_OK);
        control->GetWindow(&hwnd);
    }
    ~ControlFixture() override
    {
        if (control != nullptr)
            control->Release();
    }

    HRESULT Call(DISPID id, WORD flags, DISPPARAMS* params = nullptr, VARIANT* result = nullptr)
    {
        return control->Invoke(id, GUID_NULL, 0, flags, params, result, nullptr, nullptr);
    }
    HRESULT Method(DISPID id) { return Call(id, DISPATCH_METHOD); }
    void StartLife() { ASSERT_EQ(Method(2), S_OK); }
    void StopLife() { ASSERT_EQ(Method(3), S_OK); }
    HRESULT PutSpeed(VARIANT value)
    {
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&value, &named, 1, 1};
        return Call(1, DISPATCH_PROPERTYPUT, &params);
    }
    HRESULT PutSpeed(short value)
    {
        VARIANT v;
        v.vt = VT_I2;
        v.iVal = value;
        return PutSpeed(v);
    }
    short GetSpeed()
    {
        VARIANT result;
        EXPECT_EQ(Call(1, DISPATCH_PROPERTYGET, nullptr, &result), S_OK);
        EXPECT_EQ(result.vt, VT_I2);
        return result.iVal;
    }
    void Press(MSGID button, int x, int y) { SendMessage(hwnd, button, 0, MAKELPARAM(x, y)); }
    std::size_t TimerCallCount() const { return windows.TimerCalls().size(); }

    AFX_MODULE_STATE module;
    AfxModuleStateScope scope;
    CelloraResources resources;
    HeadlessWindowSystem windows;
    HeadlessSite site;
    CGameOfLifeCtrl* control = nullptr;
    HWND hwnd = nullptr;
};
