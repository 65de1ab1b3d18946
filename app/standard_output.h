// The host's standard output: every write checked, the stream checked again before the host exits.
#pragma once

#include <string_view>

// A closed standard output or error would be taken by the next file the host opens, and what is
// printed would land in it: each closed one is held by a descriptor on which every write fails.
void HoldStandardStreams();

// Writes text to the standard output (through the C library's buffer); the reason of the first
// write that fails is kept for FinishStandardOutput.
void WriteStandardOutput(std::string_view text);

// Flushes and closes the standard output. When a write to it failed (a full device, a closed
// output) says so in one line on the standard error, "pm001: cannot write the output: <reason>",
// and returns the exit status of unusable output (2); otherwise returns status.
int FinishStandardOutput(int status);
