// All records of the cap-beam reinforcement object: bars, frames, rows, family records, data sets.
#pragma once

#include "capbeam/records/bar.h"
#include "capbeam/records/bent_up.h"
#include "capbeam/records/cut_off.h"
#include "capbeam/records/frame.h"
#include "capbeam/records/frame_table.h"
#include "capbeam/records/inclined.h"
#include "capbeam/records/pair.h"
#include "capbeam/records/schedule_row.h"
#include "capbeam/records/sd.h"
#include "capbeam/records/sg.h"
#include "capbeam/records/sh.h"
#include "capbeam/records/st.h"
#include "capbeam/records/stirrup.h"
#include "capbeam/records/vertex.h"
