// What the user enters for the pier's loads: option switches, reactions, load tables and load layouts.
#pragma once

#include "deck_layout.h"
#include "live_load_surface.h"

#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <optional>

// The option ints and reals go to the calculation engine unchanged; their meaning is the
// engine's. Texts that must become numbers are kept as typed and converted when the loads are
// prepared, so a bad text is reported under its input key ("m_NodeForce", …).
struct PM001LoadInput {
    // Load options; the engine takes them in the order 1, 3, 2, 4.
    int LoadOption1 = 0, LoadOption2 = 0, LoadOption3 = 0, LoadOption4 = 0;

    // Reactions applied at named nodes: one row per node. Names and force texts are parallel
    // (the input's own two load tables); labels may be fewer, missing ones count as empty.
    CStringArray m_NodeName;
    CStringArray m_NodeLabel;
    CStringArray m_NodeForce;                  // reaction texts, kN

    double LoadValue1 = 0.0, LoadValue2 = 0.0;
    // Number lists in the expression form ("2*150,200"), handed to the engine as lists of reals.
    CString LoadList1, LoadList2, LoadList3, LoadList4, LoadList5, LoadList6;

    // 0: live loads placed on the two live-load surfaces; otherwise: the deck layout's
    // influence positions.
    int LiveLoadMode = 0;
    CCalGenLiveLoadSurface m_LiveLoadSurface1;  // span on the one side of the pier
    CCalGenLiveLoadSurface m_LiveLoadSurface2;  // span on the other side
    int SecondSurfaceMode = 0;                  // 0: the second span is loaded on m_LiveLoadSurface2
    std::optional<CCalGenDeckLayout> m_DeckLayout;   // the deck layout, when the user made one

    int LoadOption5 = 0, LoadOption6 = 0;
    double LoadValue3 = 0.0;
    int LoadNumber = 0;                         // the engine names the load case by its decimal text
    int LoadOption7 = 0;

    // A further load pair; the engine applies it only when both values are non-zero.
    double ExtraLoadA = 0.0, ExtraLoadB = 0.0;

    // The foundation load records take two reals: their reference level (derived from the
    // column-bottom elevation zZct) and this one, handed over unchanged.
    double FoundationValue2 = 0.0;

    // The deck layout, or null when there is none.
    const CCalGenDeckLayout* GetDeckLayout() const { return m_DeckLayout ? &*m_DeckLayout : nullptr; }
    CCalGenDeckLayout* GetDeckLayout() { return m_DeckLayout ? &*m_DeckLayout : nullptr; }
};
