#include "CelloraIds.h"
#include "ControlFixture.h"

#include <vector>

namespace {

// A container's event sink: it notes every event it hears.
class EventSink final : public IDispatch {
public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = riid == IID_IUnknown || riid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
        if (*ppv == nullptr)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, const char* const*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        heard.push_back(id);
        return S_OK;
    }
    ULONG refs = 0;
    std::vector<DISPID> heard;
};

IConnectionPoint* EventPoint(IUnknown* control, REFIID events)
{
    IConnectionPointContainer* container = nullptr;
    EXPECT_EQ(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)), S_OK);
    if (container == nullptr)
        return nullptr;
    IConnectionPoint* point = nullptr;
    EXPECT_EQ(container->FindConnectionPoint(events, &point), S_OK);
    container->Release();
    return point;
}

// A control of the framework whose event map lists one event, 7.
class PingControl final : public COleControl {
public:
    PingControl() { InitializeIIDs(&kPrimary, &kEvents); }
    using COleControl::FireEvent;
    static constexpr IID kPrimary = {0x11111111, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
    static constexpr IID kEvents = {0x11111111, 0, 0, {0, 0, 0, 0, 0, 0, 0, 2}};

protected:
    UINT GetTypeInfoCount() override { return 0; }
    HRESULT GetTypeLib(LCID, ITypeLib**) override { return E_NOTIMPL; }
    const AFX_MSGMAP& GetMessageMap() const override
    {
        static const AFX_MSGMAP map;
        return map;
    }
    const AFX_DISPMAP& GetDispatchMap() const override
    {
        static const AFX_DISPMAP map;
        return map;
    }
    const AFX_EVENTMAP& GetEventMap() const override
    {
        static const AFX_EVENTMAP map = {{"Ping", 7}};
        return map;
    }
    void OnDraw(CDC*, const RECT&, const RECT&) override {}
    CLSID GetClassID() const override { return GUID_NULL; }
    std::vector<CLSID> GetPropPageIDs() const override { return {}; }
    UINT GetUserTypeNameID() const override { return 0; }
    DWORD GetMiscStatus() const override { return 0; }
};

class ControlEvents : public ControlFixture {};

TEST_F(ControlEvents, OnlyEventsOfTheMapReachTheConnectedSinks)
{
    auto* control = new PingControl;
    IConnectionPoint* point = EventPoint(static_cast<IDispatch*>(control), PingControl::kEvents);
    ASSERT_NE(point, nullptr);
    IID iid{};
    EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, PingControl::kEvents);
    EventSink sink;
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
    EXPECT_TRUE(control->FireEvent(7));
    EXPECT_FALSE(control->FireEvent(8));
    EXPECT_EQ(sink.heard, (std::vector<DISPID>{7}));
    EXPECT_EQ(point->Unadvise(cookie), S_OK);
    EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
    EXPECT_TRUE(control->FireEvent(7));
    EXPECT_EQ(sink.heard.size(), 1u);
    EXPECT_EQ(sink.refs, 0u);

    IConnectionPointContainer* container = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)), S_OK);
    IConnectionPoint* other = nullptr;
    EXPECT_EQ(container->FindConnectionPoint(PingControl::kPrimary, &other), CONNECT_E_NOCONNECTION);
    container->Release();
    point->Release();
    control->Release();
}

TEST_F(ControlEvents, TheLifeControlAcceptsASinkAndFiresNothing)
{
    IConnectionPoint* point = EventPoint(static_cast<IDispatch*>(control), DIID__DGameOfLifeEvents);
    ASSERT_NE(point, nullptr);
    EventSink sink;
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
    StartLife();
    windows.FireTimers();
    Press(WM_LBUTTONDOWN, 17, 99);
    Press(WM_RBUTTONDOWN, 17, 99);
    EXPECT_EQ(PutSpeed(short{5}), S_OK);
    StopLife();
    EXPECT_EQ(Method(DISPID_ABOUTBOX), S_OK);
    EXPECT_TRUE(sink.heard.empty());
    // The sink stays connected until the container lets it go, and then it is released.
    EXPECT_EQ(sink.refs, 1u);
    EXPECT_EQ(point->Unadvise(cookie), S_OK);
    EXPECT_EQ(sink.refs, 0u);
    point->Release();
}

} // namespace
