#include "CelloraIds.h"
#include "ControlFixture.h"
#include "GameOfLifePropPage.h"

#include <string>

namespace {

class ControlDispatch : public ControlFixture {};

TEST_F(ControlDispatch, NamesLeadToTheMapsDispids)
{
    const struct { const char* name; DISPID id; } cases[] = {
        {"Speed", 1}, {"StartLife", 2}, {"StopLife", 3}, {"AboutBox", DISPID_ABOUTBOX}, {"speed", 1}};
    for (const auto& c : cases) {
        DISPID id = 0;
        EXPECT_EQ(control->GetIDsOfNames(GUID_NULL, &c.name, 1, 0, &id), S_OK) << c.name;
        EXPECT_EQ(id, c.id) << c.name;
    }
    const char* unknown = "Generation";
    DISPID id = 0;
    EXPECT_EQ(control->GetIDsOfNames(GUID_NULL, &unknown, 1, 0, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST_F(ControlDispatch, RefusesBadCallsAndKeepsItsState)
{
    VARIANT arg;
    arg.vt = VT_I2;
    arg.iVal = 5;
    DISPPARAMS oneArg{&arg, nullptr, 1, 0};
    EXPECT_EQ(Call(2, DISPATCH_METHOD, &oneArg), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Method(4), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Call(2, DISPATCH_PROPERTYPUT, &oneArg), DISP_E_MEMBERNOTFOUND);

    VARIANT wide;
    wide.vt = VT_I4;
    wide.lVal = 40000;
    EXPECT_EQ(PutSpeed(wide), DISP_E_OVERFLOW);
    wide.lVal = 250;
    EXPECT_EQ(PutSpeed(wide), S_OK);
    VARIANT empty;
    EXPECT_EQ(PutSpeed(empty), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(GetSpeed(), 250);
    EXPECT_EQ(TimerCallCount(), 0u);
}

TEST_F(ControlDispatch, AboutBoxShowsDialogOneWhileTheBoardGoesOn)
{
    StartLife();
    windows.WhileModal([this] { windows.FireTimers(); });
    ASSERT_EQ(Method(DISPID_ABOUTBOX), S_OK);
    ASSERT_EQ(windows.Dialogs().size(), 1u);
    const DialogTemplate& about = windows.Dialogs()[0];
    EXPECT_EQ(about.caption, "About GameOfLife Control");
    EXPECT_EQ(about.cx, 260);
    EXPECT_EQ(about.cy, 55);
    EXPECT_EQ(about.fontName, "MS Sans Serif");
    ASSERT_EQ(about.items.size(), 3u);
    EXPECT_EQ(about.items[0].kind, DialogItemKind::Icon);
    EXPECT_EQ(about.items[0].image.Width(), 32);
    EXPECT_EQ(about.items[1].text, "Game Of Life Control, Version 1.0");
    EXPECT_EQ(about.items[2].kind, DialogItemKind::DefPushButton);
    EXPECT_EQ(about.items[2].text, "OK");
    EXPECT_EQ(about.items[2].id, IDOK);
    EXPECT_EQ(control->Board().GetGeneration(), 1);
}

// A container can rely on S_OK meaning that the box was shown and closed; a
// box that cannot be shown is an exception with a description, never a quiet success.
TEST_F(ControlDispatch, AboutBoxWithNoWindowToShowItOnFailsWithADescription)
{
    auto* alone = new CGameOfLifeCtrl;
    EXCEPINFO failure;
    EXPECT_EQ(alone->Invoke(DISPID_ABOUTBOX, GUID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, &failure, nullptr),
              DISP_E_EXCEPTION);
    EXPECT_EQ(failure.bstrSource, "AboutBox");
    EXPECT_NE(failure.bstrDescription.find("The about box cannot be shown"), std::string::npos);
    EXPECT_EQ(failure.scode, E_FAIL);
    EXPECT_EQ(alone->Invoke(DISPID_ABOUTBOX, GUID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
              DISP_E_EXCEPTION);
    EXPECT_TRUE(windows.Dialogs().empty());
    alone->Release();
    // In its window the same call shows the box and succeeds.
    EXPECT_EQ(Method(DISPID_ABOUTBOX), S_OK);
    EXPECT_EQ(windows.Dialogs().size(), 1u);
}

TEST_F(ControlDispatch, PropertiesVerbAsksForThePage)
{
    std::vector<OLEVERB> verbs;
    ASSERT_EQ(control->EnumVerbs(&verbs), S_OK);
    ASSERT_EQ(verbs.size(), 2u);
    EXPECT_EQ(control->DoVerb(verbs[1].lVerb), S_OK);
    EXPECT_EQ(control->DoVerb(OLEIVERB_PROPERTIES), S_OK);
    ASSERT_EQ(site.PropertyFrames().size(), 2u);
    EXPECT_EQ(site.PropertyFrames()[0], std::vector<CLSID>{CLSID_GameOfLifePropPage});
    EXPECT_EQ(control->DoVerb(OLEIVERB_PRIMARY), S_OK);
    EXPECT_EQ(site.ShowObjectCount(), 1);
}

TEST_F(ControlDispatch, DescribesItselfToItsContainer)
{
    DWORD misc = 0;
    CLSID clsid{};
    std::string type;
    EXPECT_EQ(static_cast<IOleObject*>(control)->GetMiscStatus(&misc), S_OK);
    EXPECT_EQ(misc, 0x20191u);
    EXPECT_EQ(control->GetUserClassID(&clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_GameOfLife);
    EXPECT_EQ(control->GetUserType(&type), S_OK);
    EXPECT_EQ(type, "GameOfLife Control");
    void* events = nullptr;
    EXPECT_EQ(control->QueryInterface(DIID__DGameOfLifeEvents, &events), E_NOINTERFACE);
    void* primary = nullptr;
    ASSERT_EQ(control->QueryInterface(DIID__DGameOfLife, &primary), S_OK);
    static_cast<IDispatch*>(primary)->Release();
}

TEST_F(ControlDispatch, PropertyPageIsGeneralAndChangesNothing)
{
    auto* page = new CGameOfLifePropPage;
    IUnknown* object = static_cast<IDispatch*>(control);
    ASSERT_EQ(page->SetObjects({object}), S_OK);
    PROPPAGEINFO info;
    ASSERT_EQ(page->GetPageInfo(&info), S_OK);
    EXPECT_EQ(info.title, "General");
    EXPECT_EQ(info.cx, 250);
    EXPECT_EQ(info.cy, 62);
    DialogTemplate dialog;
    ASSERT_EQ(page->GetDialog(&dialog), S_OK);
    EXPECT_FALSE(dialog.popup);
    ASSERT_EQ(dialog.items.size(), 1u);
    EXPECT_EQ(dialog.items[0].x, 7);
    EXPECT_EQ(dialog.items[0].y, 25);
    EXPECT_NE(dialog.items[0].text.find("GameOfLife Control"), std::string::npos);
    EXPECT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(GetSpeed(), 100);
    EXPECT_EQ(module.m_nObjectCount, 2);
    page->Release();
    EXPECT_EQ(module.m_nObjectCount, 1);
}

} // namespace
