#pragma once
// The ids of Cellora's resources, shared by the control's code and the Windows
// resource script, hence plain macros.
#define IDD_ABOUTBOX_GAMEOFLIFE 1
#define IDD_PROPPAGE_GAMEOFLIFE 100
#define IDS_GAMEOFLIFE 1
#define IDS_GAMEOFLIFE_PPG 2
#define IDS_GAMEOFLIFE_PPG_CAPTION 100
#define IDI_ABOUTDLL 1
#define IDB_GAMEOFLIFE 1
