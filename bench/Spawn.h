// Programs the bench starts and times from outside.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavelin::bench {

// Starts `program` in `folder` and waits for the monotonic time it writes on its output when its
// first window has painted; returns nanoseconds from the start to that time.
std::int64_t TimeToFirstPaint(const std::string& program, const std::string& folder);

// What `argv` writes on its output, once it has ended.
std::string OutputOf(const std::vector<std::string>& argv);

// Linux only, where the bench starts other tools and the Windows bench.
// Runs `argv` (found on PATH) with its output thrown away; returns nanoseconds from the start
// to its end. Throws std::runtime_error when it cannot start or fails.
std::int64_t RunToEnd(const std::vector<std::string>& argv);
// Runs `argv` with the bench's own output and errors; returns its exit status.
int RunShown(const std::vector<std::string>& argv);

}  // namespace tavelin::bench
