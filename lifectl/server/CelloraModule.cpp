// The server's static objects, all members of one object so that their order
// is written in one place: C++ makes members in the order they are declared
// and destroys them in reverse. Loading the server makes, in this order, the
// module's state record (with its instance and resources), the page's
// run-time class and factory, the control's run-time class and factory, the
// module object, and then runs the framework's start-up; unloading undoes it
// in reverse. The run-time classes are constants, there from the start.
#include "CelloraApp.h"
#include "CelloraFactories.h"
#include "CelloraModule.h"
#include "GameOfLifeCtrl.h"
#include "GameOfLifePropPage.h"
#include "ImageResourceTable.h"
#include "ModuleFile.h"

extern "C" const std::uint8_t cellora_rsrc_begin[];
extern "C" const std::size_t cellora_rsrc_size;

namespace {

// Resolved while the server is being loaded, before the process can change its directory.
std::string ModulePath()
{
    return ModuleFileOf(reinterpret_cast<const void*>(&ModulePath));
}

// The framework's record of the module, its instance and the resources in its image.
struct CelloraModuleState {
    CelloraModuleState()
    {
        state.m_hCurrentInstanceHandle = instance.Handle();
        state.m_pResources = &resources;
    }
    ImageResourceTable resources{cellora_rsrc_begin, cellora_rsrc_size};
    CLoadedModule instance{ModulePath(), resources};
    AFX_MODULE_STATE state;
};

// Runs the framework's start-up after the module object is made, and its
// shut-down before the module object goes.
class ControlModuleStartup {
public:
    explicit ControlModuleStartup(COleControlModule& app, AFX_MODULE_STATE& state) : m_app(app), m_state(state)
    {
        AfxModuleStateScope scope(&m_state);
        m_started = m_app.InitInstance();
    }
    ~ControlModuleStartup()
    {
        AfxModuleStateScope scope(&m_state);
        if (m_started)
            m_app.ExitInstance();
    }
    bool Started() const { return m_started; }

private:
    COleControlModule& m_app;
    AFX_MODULE_STATE& m_state;
    bool m_started = false;
};

constexpr CRuntimeClass classCGameOfLifePropPage = {
    "CGameOfLifePropPage", [] { return static_cast<IUnknown*>(new CGameOfLifePropPage); }};
constexpr CRuntimeClass classCGameOfLifeCtrl = {
    "CGameOfLifeCtrl", [] { return static_cast<IUnknown*>(static_cast<IDispatch*>(new CGameOfLifeCtrl)); }};

struct CelloraServer {
    CelloraModuleState module;
    CGameOfLifePropPageFactory pageFactory{module.state, &classCGameOfLifePropPage};
    CGameOfLifeCtrlFactory controlFactory{module.state, &classCGameOfLifeCtrl};
    CCelloraApp theApp;
    ControlModuleStartup startup{theApp, module.state};
};

CelloraServer g_server;

} // namespace

AFX_MODULE_STATE* CelloraModuleStateRecord()
{
    return &g_server.module.state;
}

bool CelloraModuleStarted()
{
    return g_server.startup.Started();
}
