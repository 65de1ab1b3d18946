// The command-line host's commands: each drives the pier component as the suite's host does and
// prints what the component reported and handed on.
#pragma once

#include <string>
#include <vector>

// Everything a command may be given; each reads what it needs.
struct CommandOptions {
    std::string modulePath;
    std::string project;
    std::string saveFile;                  // design: store the designed component here (when given)
    std::string storedFile;                // load: the stored component
    bool json = false;                     // print one JSON document instead of lines
    bool redesign = false;                 // design: redesign after the design
    bool adjusted = false;                 // design: hand the engine adjustedFile before the redesign
    std::string adjustedFile;
    std::vector<std::string> queryNames;   // query: the names, in the order asked
};

// Exit status of each: 0 done; 1 the pier failed diagnosis, design, redesign or (draw) the drawing,
// (report) no report data, or the run's reports hold an error or a diagnostic (what the steps
// handed on is printed then too); the report entries are printed either way. Throws
// std::exception for unusable input (project, key parameters, stored file, an adjusted set for a
// project run as a test, a save target that is a file of the run or not a stored component) or
// module: the host prints its one line and exits with 2. Everything printed goes through
// WriteStandardOutput, so that a write that fails is reported when the host exits.

// Loads the component module and prints the components it registers: type, code, class.
int RunInfo(const CommandOptions& options);
// Receives and diagnoses the project.
int RunCheck(const CommandOptions& options);
// Designs the project (then redesigns it when asked), prints the output values, stores the component.
// The save target is checked before anything is designed; a stored run that reported errors says
// in its summary that the stored design keeps no reports.
int RunDesign(const CommandOptions& options);
// Loads a stored component and prints its output values.
int RunLoad(const CommandOptions& options);
// Designs, then the drawing-setting, drawing and drawing-adjustment requests; prints the
// drawing-setting record and the alignment record as the drawing output read them, and the
// adjustment tool's hand-off.
int RunDraw(const CommandOptions& options);
// Designs, then answers each named query: whether it was answered, and the answer.
int RunQuery(const CommandOptions& options);
// Designs, then the report and adjustment requests; prints the cap beam's report data and the
// adjustment data path.
int RunReport(const CommandOptions& options);
