#pragma once
// A modal dialog built from a dialog template of the current module's resources.
#include "WindowTypes.h"

class CDialog {
public:
    CDialog(int templateId, HWND parent);
    // Runs on the parent's window system, or without a parent on the one whose
    // window is handling the current call; -1 when there is no template or no
    // window system to show it on.
    INT_PTR DoModal();

private:
    int m_templateId;
    HWND m_parent;
};
