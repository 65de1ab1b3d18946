// Project: what a project file holds for one pier — project, road, component identity, input object.
#pragma once

#include "host/cpm001_input.h"
#include "host/project_manager.h"
#include "host/road_norm.h"
#include "mfc/cstring.h"

#include <string>

// Where the calculation engine's key parameters of the pier come from: written into the project
// file itself ("keyParameters", kept here as its JSON text) or kept in a file of their own
// ("keyParameterFile", kept here as given and as a path resolved against the project file's
// folder). At most one of the two is given; both empty means the project names none.
struct KeyParameterSource {
    std::string inlineJson;     // the "keyParameters" object, as compact JSON text
    std::string file;           // the "keyParameterFile" text as written in the project file
    std::string resolvedFile;   // that path, relative paths taken from the project file's folder
    std::string projectFile;    // the project file that holds or names them, as messages name it

    bool IsGiven() const { return !inlineJson.empty() || !file.empty(); }
};

// The objects the host attaches to the component, owned here for as long as the component lives.
// The component keeps pointers to them, so a Project stays where it was made: it is neither
// copied nor moved.
struct Project {
    Project() = default;
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    CProjectManager projectManager;
    CRoadNorm road;            // with the pier assignment of the component's label and the tendon material
    unsigned componentId = 0;  // the component's ID in the project (labels its reports)
    int label = 0;             // the component's label: its key in the road's pier assignment
    CString name;              // the component's name, e.g. "P3"; also the input object's Name
    CPM001 input;              // the input object: pier values, foundation inputs, loads, drawing input
    KeyParameterSource keyParameters;
};
