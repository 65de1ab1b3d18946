// The densified stirrup counts of a stored cap-beam design judged against its outer cantilevers.
#pragma once

#include <string>

class CPM001T0101Atom;

// Reports through the error channel, one line per end, each outer cantilever of a designed cap's
// densified square stirrup layout whose densified spacings at its support line leave its normal
// spacings below zero (FindOverfullCantilevers): the stirrups its design laid there run past the
// room the cantilever has for them. Each names the list under set, the name of the key set the
// design took ("designed key parameters.cap.sg_lns2: …", "….cap.sg_rns2: …"). Nothing is changed;
// returns the number of lines reported.
int ReportOverfullCantilevers(const CPM001T0101Atom& cap, const std::string& set);
