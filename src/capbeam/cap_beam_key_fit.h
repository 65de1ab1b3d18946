// The cap's key parameters judged against the cap they are laid in: the values that put its bars outside the beam.
#pragma once

#include "calc/pm001_cap_key_param.h"

// Reports through the error channel, one line each, every key value of kp that alone puts the
// ordinary reinforcement of a cap lWg wide outside the beam or out of order, named by its path from
// "cap" ("cap.st_sa: … (6 given)"): the end-face bars (sd) outside the beam's end, the stirrups
// outside its top and bottom, a frame whose stirrups or side bars (sh) lie outside the beam's side,
// a frame record's bar station (dx) below the one before it in its group. Where the diameters and
// a cover together leave no room, a diameter thicker than any rolled bar is named, otherwise the
// cover. Each key is named once. Nothing is changed; returns the number of lines reported.
int ReportKeysNotFittingCap(const CPM001_CapKeyParam& kp, double lWg);
