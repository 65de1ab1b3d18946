// What the pier hands to the calculation-report and user-adjustment tools, as JSON.
#pragma once

#include <nlohmann/json.hpp>

class CComponentNorm;

// The cap beam's report data that the calculation object last prepared (null when none was), and
// the adjustment data file path the user-adjustment tool was last handed on this thread (null when
// the tool refused or was not opened).
nlohmann::ordered_json ReportHandOffJson(CComponentNorm& component);
