// The host's requests on a designed pier beyond design itself: drawing, named queries, report.
#pragma once

#include <string>
#include <vector>

struct RequestOptions {
    std::string modulePath;
    std::string project;
    bool json = false;
    std::vector<std::string> names;   // the named queries, in the order asked
};

// Each receives, diagnoses and designs the project, then makes its requests in the host's order
// and prints the report entries and what the component handed on (as lines, or one JSON document).
// Exit status: 0 done; 1 the pier failed diagnosis, design or (draw) the drawing.
// Throws std::exception for an unusable project or module.

// Drawing-setting, drawing and drawing-adjustment requests; prints the drawing-setting record and
// the alignment record as the drawing output read them, and the adjustment tool's hand-off.
int RunDraw(const RequestOptions& options);
// Answers each named query: whether it was answered, and the answer.
int RunQuery(const RequestOptions& options);
// Report and adjustment requests; prints the cap beam's report data and the adjustment data path.
int RunReport(const RequestOptions& options);
