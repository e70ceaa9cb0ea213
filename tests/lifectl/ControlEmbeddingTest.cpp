#include "CelloraIds.h"
#include "ControlEmbedding.h"
#include "HeadlessSite.h"
#include "HeadlessWindowSystem.h"
#include "ServerLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A control that only notes the container's calls, with the status it is given.
class RecordingControl final : public IOleObject, public IPersistPropertyBag {
public:
    RecordingControl(DWORD status, HRESULT siteResult) : m_status(status), m_siteResult(siteResult) {}

    HRESULT QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (riid == IID_IOleObject)
            *ppv = static_cast<IOleObject*>(this);
        else if (riid == IID_IPersistPropertyBag)
            *ppv = static_cast<IPersistPropertyBag*>(this);
        return *ppv != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }

    HRESULT SetClientSite(IOleClientSite* site) override
    {
        calls.push_back(site != nullptr ? "SetClientSite" : "SetClientSite(null)");
        return m_siteResult;
    }
    HRESULT DoVerb(LONG) override { return E_NOTIMPL; }
    HRESULT EnumVerbs(std::vector<OLEVERB>*) override { return E_NOTIMPL; }
    HRESULT GetMiscStatus(DWORD* status) override
    {
        calls.push_back("GetMiscStatus");
        *status = m_status;
        return S_OK;
    }
    HRESULT GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    HRESULT GetUserType(std::string*) override { return E_NOTIMPL; }
    HRESULT GetWindow(HWND*) override { return E_NOTIMPL; }
    HRESULT InitNew() override
    {
        calls.push_back("InitNew");
        return S_OK;
    }
    HRESULT Load(const CPropertyBag&) override { return E_NOTIMPL; }
    HRESULT Save(CPropertyBag&) override { return E_NOTIMPL; }

    std::vector<std::string> calls;

private:
    DWORD m_status;
    HRESULT m_siteResult;
};

TEST(ControlEmbedding, FollowsTheControlsWishForItsSiteFirst)
{
    using Calls = std::vector<std::string>;
    const struct { DWORD status; HRESULT siteResult; HRESULT result; Calls calls; } cases[] = {
        {0x20191, S_OK, S_OK, {"GetMiscStatus", "SetClientSite", "InitNew"}},
        {OLEMISC_SETCLIENTSITEFIRST, S_OK, S_OK, {"GetMiscStatus", "SetClientSite", "InitNew"}},
        {0x191, S_OK, S_OK, {"GetMiscStatus", "InitNew", "SetClientSite"}},
        {0, S_OK, S_OK, {"GetMiscStatus", "InitNew", "SetClientSite"}},
        // A site the control cannot take leaves it uninitialised.
        {0x20191, E_FAIL, E_FAIL, {"GetMiscStatus", "SetClientSite"}},
        {0, E_FAIL, E_FAIL, {"GetMiscStatus", "InitNew", "SetClientSite"}},
    };
    HeadlessWindowSystem windows;
    HeadlessSite site(windows, RECT{0, 0, 320, 235});
    for (const auto& c : cases) {
        RecordingControl control(c.status, c.siteResult);
        EXPECT_EQ(EmbedControl(control, site), c.result) << std::hex << c.status;
        EXPECT_EQ(control.calls, c.calls) << std::hex << c.status;
    }
}

TEST(ControlEmbedding, EmbedsTheLifeControlInItsWindow)
{
    ServerLibrary server(CELLORA_OCX_PATH);
    ASSERT_TRUE(server.Loaded()) << server.Error();
    IClassFactory* factory = nullptr;
    ASSERT_EQ(server.GetClassObject(CLSID_GameOfLife, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    IOleObject* control = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(&control)), S_OK);
    factory->Release();
    DWORD status = 0;
    ASSERT_EQ(control->GetMiscStatus(&status), S_OK);
    EXPECT_TRUE(status & OLEMISC_SETCLIENTSITEFIRST);
    HeadlessWindowSystem windows;
    HeadlessSite site(windows, RECT{0, 0, 320, 235});
    EXPECT_EQ(EmbedControl(*control, site), S_OK);
    HWND hwnd = nullptr;
    EXPECT_EQ(control->GetWindow(&hwnd), S_OK);
    EXPECT_TRUE(windows.IsWindow(hwnd));
    control->SetClientSite(nullptr);
    control->Release();
    EXPECT_EQ(server.CanUnloadNow(), S_OK);
}

} // namespace
