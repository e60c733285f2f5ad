#include "platform/desktop/TerminationSignals.h"

#include <pthread.h>
#include <signal.h>

#include <thread>

namespace brio {

void HandleTerminationSignals(std::function<void(int signal)> onSignal)
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::thread([set, onSignal = std::move(onSignal)] {
        bool asked = false;
        for (;;) {
            int signal = 0;
            if (sigwait(&set, &signal) != 0)
                continue;
            if (!asked) {
                asked = true;
                if (onSignal)
                    onSignal(signal);
                continue;
            }
            // Asked twice: end as the signal would have without us.
            sigset_t one;
            sigemptyset(&one);
            sigaddset(&one, signal);
            ::signal(signal, SIG_DFL);
            pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
            raise(signal);
        }
    }).detach();
}

} // namespace brio
