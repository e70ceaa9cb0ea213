#include "Dialog.h"

#include "ModuleState.h"
#include "WindowApi.h"

CDialog::CDialog(int templateId, HWND parent) : m_templateId(templateId), m_parent(parent)
{
}

INT_PTR CDialog::DoModal()
{
    const IResourceTable* resources = AfxGetModuleState()->m_pResources;
    const DialogTemplate* found = resources != nullptr ? resources->FindDialog(m_templateId) : nullptr;
    IWindowSystem* system = m_parent != nullptr ? m_parent->system : GetActiveWindowSystem();
    if (found == nullptr || system == nullptr)
        return -1;
    DialogTemplate dialog = *found;
    for (DialogItem& item : dialog.items)
        if (item.kind == DialogItemKind::Icon)
            item.image = resources->LoadIcon(item.iconId);
    return system->DoModal(m_parent, dialog);
}
