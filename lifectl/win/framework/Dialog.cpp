#include "Dialog.h"

#include "ModuleState.h"

namespace {
INT_PTR CALLBACK ModalDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(hwnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
}

CDialog::CDialog(int templateId, HWND parent) : m_templateId(templateId), m_parent(parent)
{
}

INT_PTR CDialog::DoModal()
{
    return DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_templateId), m_parent, ModalDialogProc, 0);
}
