// The densified stirrup counts of a stored cap-beam design judged against its outer cantilevers.
#include "capbeam/stirrup_counts_check.h"

#include "calc/key_path.h"
#include "calc/key_value_message.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/skeleton/through_bars.h"
#include "capbeam/stirrups/laid_stirrups.h"
#include "host/report.h"

using CapBeamStirrups::BeamEnd;
using CapBeamStirrups::OverfullCantilever;

namespace {

// What the count of one cantilever asks of its densified spacings: that they stay short of its
// length at the skeleton's inner edges, less what it keeps free at the end, by less than one normal
// spacing.
std::string OverfullText(const OverfullCantilever& c)
{
    const bool left = c.end == BeamEnd::Left;
    const std::string side = left ? "left" : "right";
    const std::string room = "the cantilever's " + KeyLengthText(c.room) + " mm at the skeleton's inner edges less " +
                             (c.tapered ? "the " + KeyLengthText(c.endPart) +
                                              " mm from the end to the bottom bars' kink over its tapered part"
                                        : "the end distance of " + KeyLengthText(c.endPart) + " mm (sg_a)") +
                             ", plus one normal spacing of " + KeyLengthText(c.s) + " mm (sg_s)";
    const std::string text = "runs the densified stirrups (sg) " + side + " of the " + (left ? "first" : "last") +
                             " support line past the room the " + side + " cantilever has for them; expected ";
    if (c.most < 0) return text + "none, and even then no room: " + room + ", is not above 0";
    return text + "at most " + std::to_string(c.most) + " spacings of " + KeyLengthText(c.s2) +
           " mm (sg_s2), less than " + room;
}

} // namespace

int ReportOverfullCantilevers(const CPM001T0101Atom& cap, const std::string& set)
{
    const CDblPointArray outline = CapBeamThroughBars::StirrupLayoutOutline(cap);
    // The walk reads the cantilevers as the design's steps read them and gives them back.
    const auto overfull = CapBeamStirrups::FindOverfullCantilevers(const_cast<CPM001T0101Atom&>(cap), outline);
    const KeyPath root(set);
    const KeyPath keys(root, "cap");
    for (const OverfullCantilever& c : overfull) {
        const KeyPath list(keys, c.end == BeamEnd::Left ? "sg_lns2" : "sg_rns2");
        QMReportError(CString(KeyValueMessage(list.Path(), OverfullText(c), c.dense).c_str()), 0);
    }
    return static_cast<int>(overfull.size());
}
