// CCalGenDeckLayout: the deck layout whose influence positions give the support reactions on the pier.
#pragma once

#include "beam_property.h"

#include "mfc/carray.h"
#include "mfc/cstring_array.h"

#include <vector>

// The loading positions in plan, with the reactions that the girders' supports receive when
// the deck is loaded there, the deck's longitudinal positions with their girder properties, and
// the road design line. Texts as the user typed them; the input keys are the member names.
struct CCalGenDeckLayout {
    double m_DeckValue = 0.0;              // the layout's real, handed to the engine as it is

    // Loading positions: one row per position, the three tables parallel.
    CStringArray m_PositionName;
    CStringArray m_XLoad;                  // plane loading position x, mm
    CStringArray m_YLoad;                  // plane loading position y, mm
    // Per loading position i: the names of the supports and the reaction texts (kN) they receive,
    // parallel to one another.
    CArray<CStringArray> m_SupportName;
    CArray<CStringArray> m_ForceZhiZuo;

    CStringArray m_YLong;                  // longitudinal positions of the deck layout, mm
    CArray<CCalGenBeamProperty> m_BeamProperty;   // one per longitudinal position

    CStringArray m_XRoad;                  // road design line parameters, x
    CStringArray m_YRoad;                  // road design line parameters, y

    // The groups of parallel tables, in this order: the loading positions (3 tables), the
    // longitudinal positions (1), the road design line (2); then, for each index i below the
    // count of m_SupportName, the pair m_SupportName[i], m_ForceZhiZuo[i] (a null slot when
    // m_ForceZhiZuo has no entry i). Each group is ready for Clear_Str_Empty.
    std::vector<CArray<CStringArray*, CStringArray*>> GetTableGroups();
};
