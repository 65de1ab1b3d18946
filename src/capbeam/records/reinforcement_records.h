// All records of the cap-beam reinforcement object: bars, frames, rows, family records, data sets.
#pragma once

#include "capbeam/reinforcement_records_bar.h"
#include "capbeam/reinforcement_records_bent_up.h"
#include "capbeam/reinforcement_records_cut_off.h"
#include "capbeam/reinforcement_records_frame.h"
#include "capbeam/reinforcement_records_frame_table.h"
#include "capbeam/reinforcement_records_inclined.h"
#include "capbeam/reinforcement_records_pair.h"
#include "capbeam/reinforcement_records_schedule_row.h"
#include "capbeam/reinforcement_records_sd.h"
#include "capbeam/reinforcement_records_sg.h"
#include "capbeam/reinforcement_records_sh.h"
#include "capbeam/reinforcement_records_st.h"
#include "capbeam/reinforcement_records_stirrup.h"
#include "capbeam/reinforcement_records_vertex.h"
