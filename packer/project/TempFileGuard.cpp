#include "TempFileGuard.h"

#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace lumafold {
namespace {

// Fixed storage: a signal handler may neither allocate nor take locks.
constexpr int kSlots = 8;
char g_paths[kSlots][PATH_MAX];
volatile std::sig_atomic_t g_used[kSlots];

extern "C" void RemoveTempFilesAndEnd(int signal) {
    for (int i = 0; i < kSlots; ++i) {
        if (g_used[i]) ::unlink(g_paths[i]);
    }
    // The handler was reset to the default on entry: the signal, blocked
    // until this returns, then ends the program as it would have.
    ::raise(signal);
}

} // namespace

void GuardTempFilesAgainstSignals() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old {};
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        struct sigaction sa {};
        sa.sa_handler = RemoveTempFilesAndEnd;
        sa.sa_flags = SA_RESETHAND;
        sigemptyset(&sa.sa_mask);
        ::sigaction(signal, &sa, nullptr);
    }
    std::signal(SIGXFSZ, SIG_IGN);
}

int RememberTempFile(const std::string& path) {
    if (path.size() >= PATH_MAX) return -1;
    for (int i = 0; i < kSlots; ++i) {
        if (g_used[i]) continue;
        std::memcpy(g_paths[i], path.c_str(), path.size() + 1);
        g_used[i] = 1;
        return i;
    }
    return -1;
}

void ForgetTempFile(int slot) {
    if (slot >= 0 && slot < kSlots) g_used[slot] = 0;
}

} // namespace lumafold
