// Converters from the host's span, section and girder records (texts as typed) to the engine's records.
#pragma once

#include "calc/bc_beam_property.h"
#include "calc/bc_section_property.h"
#include "calc/bc_span.h"
#include "host/beam_property.h"
#include "host/section_property_input.h"
#include "host/span_input.h"

// The engine's girder kind of a host girder kind: T-girder 0 → 2, box girder 1 → 3, hollow slab
// 2 → 0, any other → 1.
int MapBeamKindCode(int hostKind);

// The engine's girder record from the host's: the kind mapped, the reals in the engine's order
// (span, spacing, height, width, then inertia before area, modulus, unit weight, deck
// thickness) and the girder and lane counts. A null host record gives 0 and leaves engine
// unchanged; else 1.
int ConvertBeamPropertyRecord(BC_BEAM_PROPERTY& engine, const CCalGenBeamProperty* host);

// Section converters, one per form of the host's section record. Each sets the form code (2 with
// cantilevers, 1 plain), reads every list of its form as numbers (a bad text is reported under
// its key, label 0, kPartPier) and returns 0 at the first failure, or when the host record is null;
// else 1. In the cantilever forms each bottom width gives one girder, whose other lists must hold
// a value for it (a shorter list is reported under its key and gives 0), and whose hinge text
// reads as a word: "是" marks a hinge (-1), any other or a missing text none (1).
// Cantilevers, constant section: the end girders repeat the start girders.
int ConvertSectionCantileverConstant(BC_SECTION_PROPERTY& engine, const CCalGenSectionProperty* host);
// Cantilevers, varying section: start girders from the start values, end girders from the end values.
int ConvertSectionCantileverVarying(BC_SECTION_PROPERTY& engine, const CCalGenSectionProperty* host);
// Plain beam, constant section: the end lists repeat the start lists.
int ConvertSectionPlainConstant(BC_SECTION_PROPERTY& engine, const CCalGenSectionProperty* host);
// Plain beam, varying section: the four lists.
int ConvertSectionPlainVarying(BC_SECTION_PROPERTY& engine, const CCalGenSectionProperty* host);

// The engine's span record from the host's: kind, flag and reals copied, both girder records
// converted, the number list parsed, the expression split into its items, and the section
// converted in the form the span names (the varying converter when the beam kind is non-zero and
// either not 1 or without the flag); a span of any other form has no section (form code 0). The
// section converter's result does not stop the span (its failures are reported). The number list
// is read as the pier's lists are: an item that is not a number, or a list past the cap, is
// reported under "strValues" and leaves the list empty; an item list past the cap is reported
// under "strItems" and left empty; either makes the span's result 0 (the rest is converted all
// the same). A null host record gives 0; else 1.
int ConvertSpanRecord(BC_SPAN& engine, const CCalGenSpan* host);
