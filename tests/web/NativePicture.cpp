#include "NativePicture.h"

#include "CelloraResources.h"
#include "DeviceContext.h"
#include "GameOfLifeCtrl.h"
#include "HeadlessSite.h"
#include "HeadlessWindowSystem.h"
#include "LifeBoard.h"
#include "WindowApi.h"

#include <charconv>

namespace {
constexpr COLORREF kUnpainted = RGB(255, 0, 255);

bool ParseNumbers(const std::string& text, int* values, int count)
{
    const char* p = text.data();
    const char* end = p + text.size();
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (p == end || *p++ != ','))
            return false;
        const auto [next, error] = std::from_chars(p, end, values[i]);
        if (error != std::errc())
            return false;
        p = next;
    }
    return p == end;
}
}

std::optional<std::vector<PictureStep>> ParsePictureSteps(const std::vector<std::string>& args, std::string& problem)
{
    std::vector<PictureStep> steps;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const bool press = args[i] == "--press";
        if (!press && args[i] != "--generations") {
            problem = "unknown option " + args[i];
            return std::nullopt;
        }
        int values[2] = {0, 0};
        if (i + 1 == args.size() || !ParseNumbers(args[i + 1], values, press ? 2 : 1) || (!press && values[0] < 0)) {
            problem = args[i] + (press ? " needs X,Y" : " needs a count of at least 0");
            return std::nullopt;
        }
        steps.push_back(PictureStep{press ? PictureStep::Press : PictureStep::Generations, values[0], values[1]});
    }
    return steps;
}

Raster DrawnByBoard(const std::vector<PictureStep>& steps)
{
    CLifeBoard board;
    for (const PictureStep& step : steps) {
        if (step.kind == PictureStep::Generations) {
            for (int i = 0; i < step.a; ++i)
                board.NextGeneration();
        } else if (const auto cell = board.CellOfPixel(step.a, step.b)) {
            board.ToggleCell(cell->column, cell->row);
        }
    }
    Raster picture(board.GetPictureWidth(), board.GetPictureHeight(), kUnpainted);
    CDC dc(picture);
    board.Draw(dc);
    return picture;
}

Raster DrawnByControl(const std::vector<PictureStep>& steps)
{
    AFX_MODULE_STATE module;
    AfxModuleStateScope scope(&module);
    CelloraResources resources;
    module.m_pResources = &resources;
    HeadlessWindowSystem windows;
    HeadlessSite site(windows, RECT{0, 0, 320, 235});
    auto* control = new CGameOfLifeCtrl;
    control->SetClientSite(&site);
    HWND hwnd = nullptr;
    control->GetWindow(&hwnd);
    // The right button starts the timer; each fired timer is one tick.
    SendMessage(hwnd, WM_RBUTTONDOWN, 0, 0);
    for (const PictureStep& step : steps) {
        if (step.kind == PictureStep::Press)
            SendMessage(hwnd, WM_LBUTTONDOWN, 0, MAKELPARAM(step.a, step.b));
        for (int i = 0; step.kind == PictureStep::Generations && i < step.a; ++i)
            windows.FireTimers();
    }
    // Painted once more, as the window system does whenever the window is shown.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Raster picture = windows.Surface(hwnd);
    control->Release();
    return picture;
}
