#pragma once
// What SDL's disk audio driver wrote (raw float stereo), checked for a
// tone: its loud stretch must be long enough, at the expected frequency and
// level. For the end-to-end tests that press keys and listen.

#include <string>

namespace audiotest {

struct DiskToneCheck {
    bool heard = false;
    // Why not, or what was heard; one line for the test's log.
    std::string report;
};

DiskToneCheck CheckDiskTone(const std::string& path, int rate, double frequency, double peak);

// The check as a command's arguments (disk file, rate, frequency, peak, as
// text): prints the report and returns the exit status, 0 when heard.
// `what` names the sound for the failure line.
int CheckDiskToneCommand(const char* const args[4], const std::string& what);

} // namespace audiotest
