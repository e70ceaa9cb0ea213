#pragma once
// cellora-host's main window: the registered controls, the embedded control,
// fields and buttons for its dispatch members and verbs, and a Server menu to
// register and unregister a server file.
#include "HostSite.h"
#include "QtWindowSystem.h"
#include "ServerLibrary.h"

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QSpinBox>

#include <memory>

class IDispatch;

class HostWindow final : public QMainWindow {
public:
    HostWindow(std::string serverPath, QWidget* parent = nullptr);
    ~HostWindow() override;

    bool CreateControl(const std::string& progID);
    void ReleaseControl();
    HRESULT InvokeMethod(DISPID id);
    void ShowProperties();

private:
    void BuildMenus();
    QWidget* BuildButtons();
    void RefreshControlList();
    void FitControlList();
    // Why nothing can be listed or created: the registry file and the reason.
    static QString RegistryUnreadable(const std::string& why);
    void RegisterServer(bool doRegister);
    void GetSpeed();
    void SetSpeed();
    void Report(const QString& text);
    void Fail(const QString& text);
    IPropertyPage* MakePage(REFCLSID clsid);

    std::string m_serverPath;
    QWidget* m_controlArea;
    QListWidget* m_controls;
    QSpinBox* m_speed;
    QLabel* m_status;
    QtWindowSystem m_windows;
    HostSite m_site;
    std::unique_ptr<ServerLibrary> m_server;
    IOleObject* m_control = nullptr;
    IDispatch* m_dispatch = nullptr;
};
