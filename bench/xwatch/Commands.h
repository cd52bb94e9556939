#pragma once

#include <span>
#include <string_view>

// xwatch's commands; each takes the words after its name, prints one line of
// figures and returns the process's exit code.

// launch LOG TIMEOUT_S PROGRAM [ARGUMENT...]
//   Starts PROGRAM with its output in LOG and waits for its first top-level
//   window to be mapped. Prints "PID WINDOW MILLISECONDS", the time from just
//   before the start to the map.
int launch(std::span<char *> words);

// click-popup PID WINDOW X Y TIMEOUT_S
//   Clicks X,Y of WINDOW and waits for another window of PID to be mapped,
//   then for that window to fade (its first opacity change) and go (unmap).
//   Prints "CLICK-TO-MAP-MS FADE-WALL-MS FADE-CPU-MS".
int clickToPopup(std::span<char *> words);

// click WINDOW X Y
int click(std::span<char *> words);

// spend PID SECONDS
//   Prints "CPU-MS WAKE-UPS PREEMPTIONS", what PID spends in the next SECONDS.
int spend(std::span<char *> words);
