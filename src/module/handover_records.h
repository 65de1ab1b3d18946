// The hand-over records the pier fills for the sibling modules' design objects (tie beams, columns, foundations).
#pragma once

#include "module/handover_records_columns.h"
#include "module/handover_records_pile_cap.h"
#include "module/handover_records_pile_transition.h"
#include "module/handover_records_spread_footing.h"
#include "module/handover_records_tie_beams.h"
#include "siblings/stopper_pedestal.h"
