#include "HostSite.h"

#include "DialogBuilder.h"
#include "QtWindowSystem.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

HRESULT HostSite::QueryInterface(REFIID riid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (!(riid == IID_IUnknown || riid == IID_IOleClientSite))
        return E_NOINTERFACE;
    *ppvObject = static_cast<IOleClientSite*>(this);
    return S_OK;
}

IWindowSystem* HostSite::GetWindowSystem()
{
    return &m_system;
}

HRESULT HostSite::ShowPropertyFrame(IUnknown* object, const std::vector<CLSID>& pages)
{
    QDialog frame(&m_parent);
    frame.setObjectName("PropertyFrame");
    frame.setWindowTitle("GameOfLife Control Properties");
    auto* layout = new QVBoxLayout(&frame);
    auto* tabs = new QTabWidget(&frame);
    layout->addWidget(tabs);
    std::vector<IPropertyPage*> made;
    for (const CLSID& clsid : pages) {
        IPropertyPage* page = m_makePage(clsid);
        PROPPAGEINFO info;
        DialogTemplate dialog;
        if (page == nullptr || FAILED(page->GetPageInfo(&info)) || FAILED(page->GetDialog(&dialog))) {
            if (page != nullptr)
                page->Release();
            continue;
        }
        page->SetObjects({object});
        auto* area = new QWidget;
        area->setMinimumSize(DialogSize(dialog));
        BuildDialogItems(*area, dialog, nullptr);
        tabs->addTab(area, QString::fromStdString(info.title));
        made.push_back(page);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &frame);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &frame, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &frame, &QDialog::reject);
    const bool accepted = frame.exec() == QDialog::Accepted;
    for (IPropertyPage* page : made) {
        if (accepted)
            page->Apply();
        page->SetObjects({});
        page->Release();
    }
    return made.empty() ? E_FAIL : S_OK;
}
