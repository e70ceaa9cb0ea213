#include "HostWindow.h"

#include "ControlEmbedding.h"
#include "Dispatch.h"
#include "RegistryFile.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace {
QString Code(HRESULT hr)
{
    return QString("0x%1").arg(static_cast<std::uint32_t>(hr), 8, 16, QChar('0'));
}
}

HostWindow::HostWindow(std::string serverPath, QWidget* parent)
    : QMainWindow(parent), m_serverPath(std::move(serverPath)), m_controlArea(new QWidget),
      m_controls(new QListWidget), m_speed(new QSpinBox), m_status(new QLabel),
      m_windows(*m_controlArea), m_site(m_windows, *this, [this](REFCLSID clsid) { return MakePage(clsid); })
{
    setWindowTitle("Cellora Host");
    m_controlArea->setObjectName("ControlArea");
    m_controlArea->setFixedSize(320, 235);
    m_controls->setObjectName("lstControls");
    m_status->setObjectName("lblStatus");
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(m_controls);
    auto* right = new QVBoxLayout;
    right->addWidget(m_controlArea);
    right->addWidget(BuildButtons());
    right->addWidget(m_status);
    layout->addLayout(right);
    setCentralWidget(central);
    BuildMenus();
    RefreshControlList();
}

HostWindow::~HostWindow()
{
    ReleaseControl();
}

QWidget* HostWindow::BuildButtons()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    m_speed->setObjectName("txtSpeed");
    m_speed->setRange(-32768, 32767);
    m_speed->setValue(100);
    row->addWidget(new QLabel("Speed:"));
    row->addWidget(m_speed);
    const struct { const char* name; const char* text; std::function<void()> action; } buttons[] = {
        {"cmdCreate", "Create", [this] { CreateControl("CELLORA.GameOfLifeCtrl.1"); }},
        {"cmdGetSpeed", "Get", [this] { GetSpeed(); }},
        {"cmdSetSpeed", "Set", [this] { SetSpeed(); }},
        {"cmdStartLife", "StartLife", [this] { InvokeMethod(2); }},
        {"cmdStopLife", "StopLife", [this] { InvokeMethod(3); }},
        {"cmdAboutBox", "About", [this] { InvokeMethod(DISPID_ABOUTBOX); }},
        {"cmdProperties", "Properties", [this] { ShowProperties(); }},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.text);
        button->setObjectName(b.name);
        connect(button, &QPushButton::clicked, this, b.action);
        row->addWidget(button);
    }
    return box;
}

void HostWindow::BuildMenus()
{
    QMenu* server = menuBar()->addMenu("&Server");
    server->setObjectName("mnuServer");
    server->addAction("&Register " + QString::fromStdString(m_serverPath), this, [this] { RegisterServer(true); });
    server->addAction("&Unregister " + QString::fromStdString(m_serverPath), this, [this] { RegisterServer(false); });
    server->addSeparator();
    server->addAction("E&xit", this, &QWidget::close);
}

QString HostWindow::RegistryUnreadable(const std::string& why)
{
    return "The registry file " + QString::fromStdString(RegistryFile::DefaultPath())
        + " cannot be read: " + QString::fromStdString(why) + ".";
}

void HostWindow::RefreshControlList()
{
    m_controls->clear();
    std::string why;
    const auto registry = RegistryFile().Read(&why);
    if (!registry) {
        Fail(RegistryUnreadable(why) + " No control is listed.");
        return;
    }
    for (const RegisteredControl& c : RegisteredControls(*registry))
        m_controls->addItem(QString::fromStdString(c.typeName + " (" + c.progID + ")"));
    FitControlList();
}

void HostWindow::FitControlList()
{
    // Wide enough for the longest name, so that no name is cut or scrolled.
    int widest = m_controls->fontMetrics().horizontalAdvance("GameOfLife Control");
    for (int i = 0; i < m_controls->count(); ++i)
        widest = std::max(widest, m_controls->fontMetrics().horizontalAdvance(m_controls->item(i)->text()));
    const int margins = 2 * m_controls->frameWidth() + 2 * m_controls->spacing() + 12;
    m_controls->setMinimumWidth(widest + margins);
}

void HostWindow::RegisterServer(bool doRegister)
{
    if (m_control != nullptr && !doRegister)
        ReleaseControl();
    ServerLibrary library(m_serverPath);
    if (!library.Loaded()) {
        Fail(QString::fromStdString(library.Error()));
        return;
    }
    const HRESULT hr = doRegister ? library.RegisterServer() : library.UnregisterServer();
    if (FAILED(hr))
        Fail((doRegister ? "Registering failed: " : "Unregistering failed: ") + Code(hr));
    else
        Report(doRegister ? "Server registered." : "Server unregistered.");
    RefreshControlList();
}

IPropertyPage* HostWindow::MakePage(REFCLSID clsid)
{
    IClassFactory* factory = nullptr;
    if (!m_server || FAILED(m_server->GetClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory))))
        return nullptr;
    void* page = nullptr;
    factory->CreateInstance(nullptr, IID_IPropertyPage, &page);
    factory->Release();
    return static_cast<IPropertyPage*>(page);
}

bool HostWindow::CreateControl(const std::string& progID)
{
    ReleaseControl();
    std::string why;
    const auto registry = RegistryFile().Read(&why);
    if (!registry) {
        Fail(RegistryUnreadable(why));
        return false;
    }
    const auto found = FindControl(*registry, progID);
    if (!found) {
        Fail(QString::fromStdString(progID) + " is not registered. Register the server from the Server menu.");
        return false;
    }
    m_server = std::make_unique<ServerLibrary>(found->serverPath);
    IClassFactory* factory = nullptr;
    HRESULT hr = m_server->Loaded()
        ? m_server->GetClassObject(found->clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory))
        : E_FAIL;
    if (SUCCEEDED(hr)) {
        hr = factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(&m_control));
        factory->Release();
    }
    if (FAILED(hr) || m_control == nullptr) {
        const std::string why = m_server->Loaded() ? "" : " " + m_server->Error();
        m_server.reset();
        Fail("The control cannot be created: " + Code(hr) + QString::fromStdString(why));
        return false;
    }
    hr = EmbedControl(*m_control, m_site);
    if (FAILED(hr)) {
        ReleaseControl();
        Fail("The control cannot be embedded: " + Code(hr));
        return false;
    }
    m_control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&m_dispatch));
    HWND hwnd = nullptr;
    if (SUCCEEDED(m_control->GetWindow(&hwnd)))
        m_windows.RedrawWindow(hwnd, RDW_INVALIDATE | RDW_UPDATENOW);
    Report("Created " + QString::fromStdString(found->typeName) + " from " + QString::fromStdString(found->serverPath));
    return true;
}

void HostWindow::ReleaseControl()
{
    if (m_dispatch != nullptr)
        m_dispatch->Release();
    if (m_control != nullptr) {
        m_control->SetClientSite(nullptr);
        m_control->Release();
    }
    m_dispatch = nullptr;
    m_control = nullptr;
    if (m_server && m_server->CanUnloadNow() == S_OK)
        m_server.reset();
}

HRESULT HostWindow::InvokeMethod(DISPID id)
{
    if (m_dispatch == nullptr) {
        Fail("Create the control first.");
        return E_UNEXPECTED;
    }
    EXCEPINFO failure;
    const HRESULT hr = m_dispatch->Invoke(id, GUID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, &failure, nullptr);
    if (hr == DISP_E_EXCEPTION)
        Fail(QString::fromStdString(failure.bstrDescription));
    else if (FAILED(hr))
        Fail("The call failed: " + Code(hr));
    return hr;
}

void HostWindow::GetSpeed()
{
    VARIANT result;
    if (m_dispatch == nullptr
        || FAILED(m_dispatch->Invoke(1, GUID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, &result, nullptr, nullptr))) {
        Fail("Speed cannot be read.");
        return;
    }
    m_speed->setValue(result.iVal);
    Report(QString("Speed is %1.").arg(result.iVal));
}

void HostWindow::SetSpeed()
{
    VARIANT value;
    value.vt = VT_I2;
    value.iVal = static_cast<short>(m_speed->value());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    if (m_dispatch == nullptr
        || FAILED(m_dispatch->Invoke(1, GUID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr))) {
        Fail("Speed cannot be written.");
        return;
    }
    Report(QString("Speed set to %1.").arg(value.iVal));
}

void HostWindow::ShowProperties()
{
    if (m_control == nullptr) {
        Fail("Create the control first.");
        return;
    }
    const HRESULT hr = m_control->DoVerb(OLEIVERB_PROPERTIES);
    if (FAILED(hr))
        Fail("The property page cannot be shown: " + Code(hr));
}

void HostWindow::Report(const QString& text)
{
    m_status->setText(text);
}

void HostWindow::Fail(const QString& text)
{
    m_status->setText(text);
    if (isVisible())
        QMessageBox::warning(this, "Cellora Host", text);
    else
        std::fprintf(stderr, "cellora-host: %s\n", text.toLocal8Bit().constData());
}
