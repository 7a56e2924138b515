#include "CrashReport.h"

#include <csignal>
#include <execinfo.h>
#include <initializer_list>
#include <unistd.h>

namespace {
constexpr int kMaxFrames = 64;

void printStackAndDie(int signal)
{
    // Only async-signal-safe calls from here on: backtrace() was called once
    // before, so it does not load its unwinder inside the handler.
    static const char header[] = "playtest: crashed; call stack:\n";
    void *frames[kMaxFrames];
    const int count = backtrace(frames, kMaxFrames);
    (void)!write(STDERR_FILENO, header, sizeof header - 1);
    backtrace_symbols_fd(frames, count, STDERR_FILENO);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
} // namespace

void reportCrashes()
{
    void *warmUp[1];
    backtrace(warmUp, 1);
    for (const int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) {
        struct sigaction current = {};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL &&
            !(current.sa_flags & SA_SIGINFO))
            std::signal(signal, printStackAndDie);
    }
}
