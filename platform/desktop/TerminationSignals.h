#pragma once
// Ctrl+C, SIGTERM and SIGHUP end the program through its normal close, so
// that what it keeps outside itself (the virtual microphone's devices on the
// sound server, the settings written at close) is put away as on any exit.
//
// Call it first thing in main, before any thread starts: the signals are then
// blocked in every thread and taken by one thread of their own, which calls
// `onSignal` there; it must only do thread-safe things, such as posting a
// close message. A second signal while the first is being handled ends the
// process at once, for a program that no longer answers.

#include <functional>

namespace brio {

void HandleTerminationSignals(std::function<void(int signal)> onSignal);

} // namespace brio
