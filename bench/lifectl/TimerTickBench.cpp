// One timer tick of a running control: the next generation, the full paint
// into a fresh memory context and bitmap, and the copy to the window.
#include "CelloraResources.h"
#include "GameOfLifeCtrl.h"
#include "HeadlessSite.h"
#include "HeadlessWindowSystem.h"

#include <benchmark/benchmark.h>

namespace {

void BM_TimerTick(benchmark::State& state)
{
    AFX_MODULE_STATE module;
    CelloraResources resources;
    module.m_pResources = &resources;
    AfxModuleStateScope scope(&module);
    HeadlessWindowSystem windows;
    HeadlessSite site(windows, RECT{0, 0, 320, 235});
    auto* control = new CGameOfLifeCtrl;
    control->SetClientSite(&site);
    control->StartLife();
    for (auto _ : state)
        benchmark::DoNotOptimize(windows.FireTimers());
    state.counters["generation"] = control->Board().GetGeneration();
    control->Release();
}
BENCHMARK(BM_TimerTick)->Unit(benchmark::kMicrosecond);

void BM_NextGeneration(benchmark::State& state)
{
    CLifeBoard board;
    for (auto _ : state)
        board.NextGeneration();
}
BENCHMARK(BM_NextGeneration)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
