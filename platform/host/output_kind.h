// What a published number is: its kind, which the writer names with the value and the map keeps
// with its record, and the rule the check of the design's results judges it by.
#pragma once

#include <cstdint>

// A kind of published number. Every number is published with one; there is no way to publish a
// number without it. The kinds are the constants of OutputKinds below, each with its rule and,
// for a signed kind, the reason it may be negative.
struct OutputKind {
    enum Rule : std::uint8_t {
        NeverNegative,  // a quantity: finite and not below 0
        Signed,         // a quantity whose sign is part of its meaning: finite
        Code,           // a code, switch or serial number: not a quantity
        ItsModule,      // a sibling module's value, which that module judges
    };
    Rule rule;
    const char* what;   // what the values are; for a signed kind, why they may be negative
    const char* noun = nullptr;   // what a fault's message calls a value of the kind, where not told by its name

    constexpr bool MayBeNegative() const { return rule != NeverNegative; }
    constexpr bool Judged() const { return rule != ItsModule; }
};

namespace OutputKinds {

// Quantities that are never negative.
inline constexpr OutputKind Length{OutputKind::NeverNegative,
                                   "a length, width, height, depth, cover, spacing, gap, bend radius or diameter "
                                   "(mm)"};
inline constexpr OutputKind Count{OutputKind::NeverNegative,
                                  "a number of bars, spacings, frames, nodes, anchorages or pieces"};
inline constexpr OutputKind Serial{OutputKind::NeverNegative, "a serial number: a tendon's, a stirrup's first or last"};
inline constexpr OutputKind Amount{OutputKind::NeverNegative,
                                   "an area, volume, weight, strength, force, stress, scale or factor"};
inline constexpr OutputKind Inclination{OutputKind::NeverNegative,
                                        "an angle taken one way only: the bent-up bars' inclination, a hook's "
                                        "or a tapered underside's angle",
                                        "an angle"};

// Quantities whose sign is part of their meaning.
inline constexpr OutputKind Angle{OutputKind::Signed,
                                  "a direction: its sign is the side the skew, the bar or the tendon turns to"};
inline constexpr OutputKind Across{OutputKind::Signed, "a position across the beam, on either side of its axis"};
inline constexpr OutputKind FromTop{OutputKind::Signed,
                                    "a level measured from the top of the beam, negative below it"};
inline constexpr OutputKind BarVertex{OutputKind::Signed,
                                      "a bar's vertex along or up the beam: a bend's corner lies off the bar by "
                                      "construction; the bars are judged as bars, within the beam"};
inline constexpr OutputKind TendonNode{OutputKind::Signed,
                                       "a tendon node's depth from its face or height above the bottom: a filleted "
                                       "node's corner lies off the tendon, and may lie beyond a face while the arc "
                                       "lies within; the tendons are judged along their arcs, within the beam"};
inline constexpr OutputKind CrossSlope{OutputKind::Signed, "a cross slope of the cap top, rising or falling"};
inline constexpr OutputKind Elevation{OutputKind::Signed, "an elevation (m), which may lie below the datum"};
inline constexpr OutputKind Station{OutputKind::Signed,
                                    "a station along the cap from its left end that may lie off the cap: the cross "
                                    "slope's control section under a road design line to one side"};
inline constexpr OutputKind Offset{OutputKind::Signed,
                                   "a distance from the road design line or the pier centre line, to either side"};
inline constexpr OutputKind EndType{OutputKind::Signed,
                                    "a tendon end's position type: -1 where the end is not tensioned"};
inline constexpr OutputKind FramesLessThree{OutputKind::Signed,
                                            "the frame count less three, as the frames' spacing rule takes it: "
                                            "two frames give -1"};

// Numbers that are not quantities.
inline constexpr OutputKind Code{OutputKind::Code, "a code, a switch or a serial number: a kind, not a quantity"};
inline constexpr OutputKind ItsModule{OutputKind::ItsModule, "a sibling module's value, judged by that module"};

} // namespace OutputKinds
