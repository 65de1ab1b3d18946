// What a save may replace: never a file the run reads, and of existing files only a stored component.
#pragma once

#include <string>
#include <vector>

// A file the run reads, and how a refusal names it ("project file", "key-parameter file", ...).
struct RunInput {
    std::string role;
    std::string path;   // empty: the run has no such file
};

// Refuses, before anything is designed, a save to path that would replace a file the run reads
// (the same file however it is named: a link, another spelling of the path; told by its device and
// inode) or an existing file that is not a stored component (an empty file holds nothing and may be
// replaced). A path that names nothing yet, or an earlier stored component, passes; so does a path
// that cannot be looked at for want of its folder, which the save itself reports. Throws
// ContainerError with one line: "cannot save to \"<path>\": <why>".
void CheckSaveTarget(const std::string& path, const std::vector<RunInput>& inputs);
