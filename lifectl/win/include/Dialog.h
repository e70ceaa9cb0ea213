#pragma once
// A modal dialog built from a dialog template of the current module's resources.
#include "WinPlatform.h"

class CDialog {
public:
    CDialog(int templateId, HWND parent);
    // -1 when the template is missing or the dialog cannot be made.
    INT_PTR DoModal();

private:
    int m_templateId;
    HWND m_parent;
};
