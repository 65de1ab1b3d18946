// The bounds a key-parameter value must hold, declared with its key in the key tables.
#pragma once

#include <limits>
#include <type_traits>

// What a value means and the values that mean it: low to high, each end included or not, and
// whether only whole numbers mean it (a code held in a real, as a bar type). A count is a value of
// this kind too ("a count", no unit).
struct Bound {
    const char* what;
    double low;
    bool lowIncluded;
    double high;
    bool highIncluded;
    const char* unit;
    bool whole = false;

    constexpr bool Holds(double v) const
    {
        // Written so that a value that is not a number holds no bound.
        const bool within = (lowIncluded ? v >= low : v > low) && (highIncluded ? v <= high : v < high);
        return within && (!whole || static_cast<double>(static_cast<long long>(v)) == v);
    }
    // The same bound from 0 up: what a value of a part that is not laid may be (0 among it).
    constexpr Bound OrLow() const { return {what, 0.0, true, high, highIncluded, unit, whole}; }
};

// A bound that holds only while the record it belongs to lays the part (condition, e.g. " when
// sg_fenG is 1", is named in the message); otherwise only values below its low end are refused.
struct BoundWhen {
    bool on;
    const char* condition;
    Bound laid;

    constexpr Bound Active() const { return on ? laid : laid.OrLow(); }
};

constexpr BoundWhen When(bool on, const char* condition, const Bound& laid) { return {on, condition, laid}; }

// A numeric key whose value is not bounded here; why says what holds it instead.
struct Unbounded {
    const char* why;
};

// A list: at most `most` entries, each holding `each`.
struct NoBound {};
template <class E = NoBound>
struct ListBound {
    int most;
    const char* entries;   // what the entries are, in the plural, for the message
    E each{};
};

constexpr ListBound<> UpTo(int most, const char* entries) { return {most, entries, {}}; }
template <class E>
constexpr ListBound<E> UpTo(int most, const char* entries, const E& each)
{
    return {most, entries, each};
}

// Whether a key whose value is a T, declared with a B, has what bounds it: a number needs a Bound, a
// When(...) or an Unbounded saying why it has none, a list its greatest length (UpTo); a text or a
// record needs nothing (a record's keys carry their own). The walks that judge the values ask it of
// every key and every list's entries, so that a key declared without its bound stops the build
// with this message and not deep in the walk.
template <class T, class B>
consteval bool KeyBoundDeclared()
{
    constexpr bool needed = std::is_arithmetic_v<T> || requires(const T& list) { list.GetSize(); };
    constexpr bool declared = !needed || !std::is_same_v<B, NoBound>;
    static_assert(declared, "a number or a list in a key table is declared without its bound: give it a Bound, "
                            "When(...), Unbounded{\"why\"} or, for a list, UpTo(...) where its key is declared "
                            "(calc/key_param_fields.h)");
    return declared;
}

namespace key_bound {

inline constexpr double kNoLimit = std::numeric_limits<double>::infinity();

// Reinforcing bars are rolled from 6 to 50 mm (GB/T 1499.1-2017 and 1499.2-2018, the sizes of the
// bar helpers' table): a diameter outside them is a slip (metres for millimetres, a digit too many).
inline constexpr double kSmallestRolledBar = 6.0;
inline constexpr double kLargestRolledBar = 50.0;

// A spacing is the distance of a bar's axis from the next one's: closer than the thinnest bar is
// thick, two bars would lie in each other. A spacing typed in metres lies below it.
inline constexpr double kLeastSpacing = kSmallestRolledBar;

// A bent-up bar crosses the inclined cracks of the beam's shear, which run at some 45° to its axis:
// the bridge codes bend such bars up at 45° as a rule and at 60° at the steepest. Steeper, the bar
// runs nearly straight down and crosses no crack, and its arcs over the support leave the beam (at
// 1.57079 rad, a hair under 90°, some 1.9·10^7 mm above it). The limit is 60° as written in radians
// to four decimals, 1.0472 (π/3 is 1.047198): the value printed is the value held, so that an
// engineer who types the printed limit has it accepted.
inline constexpr double kSteepestBentUpBar = 1.0472;

// A cap beam carries a deck across its width, some tens of metres at most: every length, distance,
// spacing and position of its key parameters lies within 10 km, and a bend of a larger radius turns
// a bar or a tendon by less than a degree over a whole cap. Far past that, sums and products of
// lengths overflow.
inline constexpr double kMaxLength = 1e7;

// Counts of what a cap holds. Each stands at or above what a cap holds and keeps a design within a
// second and some tens of MB; the design's work grows with their products.
//
// A cap beam stands on a few columns, some tens at the very most: a support line per column, two
// bar groups and two top cut-off lengths per support line, two bottom ones per span.
inline constexpr int kMaxSupportLines = 100;
// A cap beam is some 3 to 4 m wide, and its welded skeleton frames stand at least some 160 mm
// apart centre to centre (bars up to 40 mm and the clear spacing the concrete and its vibrator need
// between frames): at most some 25 fit across 4 m. A frame record describes one kind of frame and a
// closed stirrup group encloses frames: neither is more numerous than the frames. The frames' bars
// are compared frame with frame and published bar by bar: 50 frames of 20-bar groups on 20 columns
// took 5 s, 180 MB and 20 MB of output, 25 frames of 12-bar groups take half a second and 55 MB.
inline constexpr int kMaxFrames = 25;
// Each linked entry of a bar group lies one bar layer under the next, and the bridge codes stack the
// main bars of a welded skeleton at most six layers deep, top and bottom: a group holds a dozen
// bars at most.
inline constexpr int kMaxGroupEntries = 12;
// A cap some tens of metres long (100 m at most) holds at a 50 mm least spacing at most 2000
// stirrup spacings, on either side of a support line as anywhere.
inline constexpr int kMaxStirrupSpacings = 2000;
// A real cap beam holds a few dozen tendons at most. The plan groups list, for every piece of the
// beam between neighbouring tendon ends, the tendons running through it, and every tendon
// dimensioned there lists the tendons lying over it: their size grows with the square of the
// tendon count, so the count is held far above any real beam and far below what would exhaust time
// or memory. The names shown with the tendons' elevation go one per tendon definition.
inline constexpr int kMaxTendonDefinitions = 1000;
// A tendon's profile has a few control points per span (over each support, low in each span, at
// each end): some hundreds on the longest cap.
inline constexpr int kMaxProfilePoints = 1000;

inline constexpr Bound kDiameter{"a diameter", kSmallestRolledBar, true, kLargestRolledBar, true, " mm"};
inline constexpr Bound kLength{"a length", 0.0, true, kMaxLength, true, " mm"};
inline constexpr Bound kPositiveLength{"a length", 0.0, false, kMaxLength, true, " mm"};
inline constexpr Bound kDistance{"a distance", 0.0, true, kMaxLength, true, " mm"};
inline constexpr Bound kRadius{"a radius", 0.0, true, kMaxLength, true, " mm"};
inline constexpr Bound kSpacing{"a spacing", kLeastSpacing, true, kMaxLength, true, " mm"};
inline constexpr Bound kSpacingOrZero = kSpacing.OrLow();
inline constexpr Bound kPosition{"a position", -kMaxLength, true, kMaxLength, true, " mm"};
inline constexpr Bound kInclination{"an angle", 0.0, false, kSteepestBentUpBar, true, " rad"};
inline constexpr Bound kStressFraction{"a fraction", 0.0, false, 1.0, true, ""};
inline constexpr Bound kModulus{"a modulus", 0.0, true, kNoLimit, true, " MPa"};
inline constexpr Bound kCount{"a count", 0.0, true, kNoLimit, true, ""};
inline constexpr Bound kStirrupSpacings{"a count", 0.0, true, kMaxStirrupSpacings, true, ""};
// The sibling modules judge their own values; a part a pier has no member for holds 0.
inline constexpr Bound kSiblingDiameter{"a diameter", 0.0, true, kNoLimit, true, " mm"};
inline constexpr Bound kSiblingSpacing{"a spacing", 0.0, true, kNoLimit, true, " mm"};

// The bar type codes of the bar helpers' table (common/bar_sizes.h): 1 HPB300, 2 HRB335, 3 HRB400,
// 4 HRB500. A code outside them, or a fraction of one (a stirrup type typed 0.003 for 3, read as
// 0), is no bar: the helpers would take it for HRB400 and the design would publish what it read.
inline constexpr double kLastBarType = 4.0;
inline constexpr Bound kBarType{"a bar type code, a whole number", 1.0, true, kLastBarType, true, "", true};
// A bar type that may be left out, 0 (its default): a sibling module's part the pier has no member
// for; the bars along the tendons, which the helpers then take for HRB400, as every design did.
inline constexpr Bound kBarTypeOrNone = kBarType.OrLow();

// The frames' lists. A stored design's key record holds them too, and is held to these as it is
// read (calc/pm001_design_key_record.h).
inline constexpr ListBound<> kFrameNames = UpTo(kMaxFrames, "frame names");
inline constexpr ListBound<> kFrameRecords = UpTo(kMaxFrames, "frame records");
// Two per support line or span.
inline constexpr ListBound<ListBound<>> kBarGroups =
    UpTo(2 * kMaxSupportLines, "bar groups", UpTo(kMaxGroupEntries, "bar entries"));
inline constexpr ListBound<Bound> kCutOffLengths = UpTo(2 * kMaxSupportLines, "lengths", kLength);

inline constexpr Unbounded kSwitch{"a switch: 0 or any other value"};
inline constexpr Unbounded kCode{"a code the design reads by its value"};
inline constexpr Unbounded kCarried{"carried with the results, not used to lay anything"};

}  // namespace key_bound
