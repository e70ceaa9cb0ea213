// The server's static objects. They are made in this order when the server is
// loaded and destroyed in reverse when it is unloaded: the module's state
// record, the page's run-time class and factory, the control's run-time class,
// event map and factory, the module object, then the framework's start-up.
#include "CelloraApp.h"
#include "CelloraFactories.h"
#include "CelloraModule.h"
#include "GameOfLifeCtrl.h"
#include "GameOfLifePropPage.h"
#include "ImageResourceTable.h"
#include "ModuleFile.h"

#include <vector>

extern "C" const std::uint8_t cellora_rsrc_begin[];
extern "C" const std::size_t cellora_rsrc_size;

namespace {

struct CelloraModuleState {
    CelloraModuleState()
        : resources(cellora_rsrc_begin, cellora_rsrc_size)
    {
        state.m_pResources = &resources;
    }
    ImageResourceTable resources;
    AFX_MODULE_STATE state;
};

// Resolved while the server is being loaded, before the process can change its directory.
std::string ModulePath()
{
    return ModuleFileOf(reinterpret_cast<const void*>(&ModulePath));
}

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

const std::string g_modulePath = ModulePath();
CelloraModuleState g_moduleState;
const CRuntimeClass classCGameOfLifePropPage = {
    "CGameOfLifePropPage", [] { return static_cast<IUnknown*>(new CGameOfLifePropPage); }};
CGameOfLifePropPageFactory g_pageFactory(g_moduleState.state, &classCGameOfLifePropPage);
const CRuntimeClass classCGameOfLifeCtrl = {
    "CGameOfLifeCtrl", [] { return static_cast<IUnknown*>(static_cast<IDispatch*>(new CGameOfLifeCtrl)); }};
// The control fires no events.
const std::vector<DISPID> eventMapCGameOfLifeCtrl;
CGameOfLifeCtrlFactory g_controlFactory(g_moduleState.state, &classCGameOfLifeCtrl);
CCelloraApp theApp;
ControlModuleStartup g_startup(theApp, g_moduleState.state);

} // namespace

const std::string& AfxGetInstanceHandle()
{
    return g_modulePath;
}

AFX_MODULE_STATE* CelloraModuleStateRecord()
{
    return &g_moduleState.state;
}

bool CelloraModuleStarted()
{
    return g_startup.Started();
}
