// The check of a designed cap beam's results: published quantities not negative, bars within the beam.
#include "capbeam/design_result_check.h"

#include "capbeam/design_result_faults.h"
#include "common/is_equal.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <unordered_set>

namespace {

using KVDataCommon::IsEqual;
using DesignResultFaults::FaultsByKind;
using DesignResultFaults::kSubject;
using DesignResultFaults::RealText;

// The table of signed names, by reason.
constexpr std::array kAngles{
    "PM001_T0101_a",                               // the skew angle: its sign is the skew's direction
    "PM001_T0101_st_angle", "PM001_T0101_sg_alf", "PM001_T0101_sh_alf", "PM001_T0101_sd_alf",
    "PM001_T0101_aPl", "PM001_T0101_aPr",          // underside slope angles of the tapered parts
    "PM001_T0101_Frame[#]_class[#]_#_alf",         // a bar's direction at each vertex
    "PM001_T0104_Steel[#]_LNode_alf",              // a tendon's deflection at each node
};
constexpr std::array kAcross{
    "PM001_T0101_Frame[#]_y",                      // a skeleton frame's position across the beam
    "PM001_T0104_Steel[#]_Y",                      // a tendon's positions across the beam
};
constexpr std::array kFromTop{
    "PM001_T0101_Frame[#]_zt#",                    // a frame's upper bar levels, down from the top
};
constexpr std::array kBarVertices{
    "PM001_T0101_Frame[#]_class[#]_#_x", "PM001_T0101_Frame[#]_class[#]_#_z",
};
constexpr std::array kSlopes{
    "PM001_T0101_iLb", "PM001_T0101_iRb", "PM001_T0101_iLbL", "PM001_T0101_iLbR",
    "PM001_T0101_iRbL", "PM001_T0101_iRbR", "PM001_T0101_iDb",
};
constexpr std::array kElevations{
    "PM001_T0101_zGl", "PM001_T0101_zZct", "PM001_T0101_zXl", "PM001_T0101_zGai", "PM001_T0101_zHzt",
};
constexpr std::array kOffsets{
    "PM001_T0101_bAg", "PM001_T0101_bAd",          // the cap's end from the road design line
    "PM001_T0101_vP", "PM001_T0101_DX", "PM001_T0101_DY",   // the cap's offsets from the pier
    "PM001_T0101_zQf", "PM001_T0101_zQb",          // the bearing rows from the pier centre line
};
constexpr std::array kEndTypes{
    "PM001_T0104_Steel[#]_lMC", "PM001_T0104_Steel[#]_rMC",
};
constexpr std::array kFrameCountLessThree{
    "PM001_T0101_st_ns",
};
constexpr std::array kCodes{
    // The pier's codes and switches, as the diagnosed input gave them.
    "PM001_T0101_JGType", "PM001_T0101_PierLayMode", "PM001_T0101_fSeparationSymmetry",
    "PM001_T0101_BaseType", "PM001_T0101_BaseLayMode", "PM001_T0101_SectionType",
    "PM001_T0101_ColumnSectionType", "PM001_T0101_FilletMode", "PM001_T0101_fXL", "PM001_T0101_fVaiKongZhi",
    "PM001_T0101_BedStoneTypef", "PM001_T0101_BedStoneTypeb", "PM001_T0101_fHaveStopper",
    "PM001_T0101_fVaiDang", "PM001_T0101_fDisribute", "PM001_T0101_fVarjichupmt", "PM001_T0101_fZT",
    "PM001_lb_fLianhe", "PM001_lb_fVarGai", "PM001_lb_fVarbAg", "PM001_lb_fVarGaip", "PM001_lb_fVarZhut",
    "PM001_lb_fZhugao", "PM001_lb_fVarZhud", "PM001_lb_fVarJichut", "PM001_lb_fVarJichud",
    "PM001_lb_fVarZhuangd", "PM001_lb_fVarZhuangl", "PM001_lb_fVarHpt", "PM001_lb_fVarHft", "PM001_lb_fVarHct",
    "PM001_lb_fVarHzt",
    // The cap beam's codes and flags, and the key parameters' bar type and lay-mode codes.
    "PM001_T0101_PMorPT", "PM001_T0101_ConLabel", "PM001_T0101_fBearAndMidSpan", "PM001_T0101_fDM",
    "PM001_T0101_fCrossContour", "PM001_T0101_fSymmetry", "PM001_T0101_enPSection",
    "PM001_T0101_fDistribute", "PM001_T0101_fPosSdAndSt", "PM001_T0101_fPosShAndSg", "PM001_T0101_fVartc",
    "PM001_T0101_fTuncateRibLM", "PM001_T0101_fNoteFormDM", "PM001_T0101_fNoteFormSK",
    "PM001_T0101_st_type", "PM001_T0101_st_fLayMode", "PM001_T0101_st_fWeld", "PM001_T0101_st_fCalculateLarc",
    "PM001_T0101_Frame[#]_class[#]_#_class", "PM001_T0101_Frame[#]_class[#]_#_fStwArc",
    "PM001_T0101_Frame[#]_class[#]_#_fH", "PM001_T0101_Frame[#]_class[#]_#_fHzy",
    "PM001_T0101_Frame[#]_class[#]_#_fHsx", "PM001_T0101_Frame[#]_class[#]_#_fArc",
    "PM001_T0101_Frame[#]_class[#]_#_enPoint", "PM001_T0101_Frame[#]_fsk", "PM001_T0101_Frame[#]_fDrawLM",
    "PM001_T0101_Frame[#]_num", "PM001_T0101_Frame[#]_sort",
    "PM001_T0101_sg_type", "PM001_T0101_sg_fLayMode", "PM001_T0101_sg_fenG", "PM001_T0101_sg_HookedTpye",
    "PM001_T0101_sh_type", "PM001_T0101_sh_fLayMode", "PM001_T0101_sd_type",
    // The tendons' options, kinds and flags, and the catalogue's type codes.
    "PM001_T0104_FVHP", "PM001_T0104_fJGDC", "PM001_T0104_FVLH", "PM001_T0104_FVPM", "PM001_T0104_FVcurve",
    "PM001_T0104_FVCkplace", "PM001_T0104_FVys", "PM001_T0104_FVszb", "PM001_T0104_FVleader",
    "PM001_T0104_AnchorsFlag", "PM001_T0104_SBtype", "PM001_T0104_Steel[#]_Ytype",
    "PM001_T0104_Steel[#]_LNode_Refline", "PM001_T0104_Steel[#]_LNode_property", "PM001_T0104_Steel[#]_Ckline",
    "PM001_T0104_Steel[#]_Ckplace", "PM001_T0104_Steel[#]_PT", "PM001_T0104_Steel[#]_FVPTL",
    "PM001_T0104_Steel[#]_FVPTR", "PM001_T0104_Steel[#]_FVPTLDL", "PM001_T0104_Steel[#]_FVPTQPL",
    "PM001_T0104_Steel[#]_FVPTLDR", "PM001_T0104_Steel[#]_FVPTQPR",
    "PM001_T0104_Steel[#]_cl_Btype", "PM001_T0104_Steel[#]_cl_MLtype", "PM001_T0104_Steel[#]_cl_MLPT",
    "PM001_T0104_Steel[#]_cl_MRtype", "PM001_T0104_Steel[#]_cl_MRPT", "PM001_T0104_HD[#]_VStatus",
    "PM001_T0104_HD[#]_FVwzh",
};

constexpr std::array<SignedOutputNames, 10> kSignedNames{{
    {"angles: their sign is the direction of the skew, the slope, the bar or the turn", kAngles},
    {"positions across the beam, on either side of its axis", kAcross},
    {"levels measured down from the top of the beam", kFromTop},
    {"a bar's vertices: a bend's corner point lies off the bar by construction; the bars are judged "
     "as bars, within the beam",
     kBarVertices},
    {"cross slopes of the cap top, rising or falling", kSlopes},
    {"elevations (m), which may lie below the datum", kElevations},
    {"distances and offsets from the road design line or the pier centre line, on either side", kOffsets},
    {"position types of a tendon's ends: -1 where the end is not tensioned", kEndTypes},
    {"the frame count less three: a skeleton of one or two frames has a negative one", kFrameCountLessThree},
    {"codes and flags: a kind or a switch, not a quantity", kCodes},
}};

// The kind of a value: its name with every number after the module's prefix ("PM001_T0101_")
// read as any number, "#" ("Frame[2]_zt3" and "Frame[4]_zt1" are one kind, "Frame[#]_zt#").
std::string KindOf(std::string_view name)
{
    const std::size_t first = name.find('_');
    const std::size_t prefix = first == std::string_view::npos ? name.size() : name.find('_', first + 1);
    const std::size_t kept = prefix == std::string_view::npos ? name.size() : prefix;
    std::string kind(name.substr(0, kept));
    for (std::size_t i = kept; i < name.size(); ++i) {
        const bool number = (name[i] >= '0' && name[i] <= '9') || name[i] == '#';
        if (!number) kind += name[i];
        else if (kind.back() != '#') kind += '#';
    }
    return kind;
}

// The signed names' kinds, looked up by a name's kind.
class SignedKinds {
public:
    SignedKinds()
    {
        for (const auto& group : kSignedNames)
            for (const char* pattern : group.patterns) m_kinds.insert(KindOf(pattern));
    }
    bool Holds(const std::string& kind) const { return m_kinds.count(kind) != 0; }

private:
    std::unordered_set<std::string> m_kinds;
};

const SignedKinds& Signed()
{
    static const SignedKinds kinds;
    return kinds;
}

// What a published number is, for the message.
const char* WhatItIs(std::string_view name, bool integer)
{
    if (integer) return "a count";
    return name.starts_with("PM001_T0104_") ? "a tendon dimension" : "a length";
}

// The fault of one number, or none: not finite, or below 0 when not signed.
const char* FaultOf(double value, bool isSigned)
{
    if (!std::isfinite(value)) return "is not a finite number";
    if (!isSigned && value < 0.0 && !IsEqual(value, 0.0)) return "cannot be negative";
    return nullptr;
}

} // namespace

std::span<const SignedOutputNames> SignedOutputNameTable() { return kSignedNames; }

bool IsSignedOutputName(std::string_view name) { return Signed().Holds(KindOf(name)); }

int CheckPublishedValues(const OutputDataMap& published)
{
    FaultsByKind faults;
    for (const auto& entry : published) {
        // Named, not bound: a lambda below takes them by reference.
        const auto& name = entry.first;
        const auto& record = entry.second;
        if (!name.starts_with("PM001_")) continue;   // the sibling modules judge their own values
        const bool integer = record->type == CBGOutputData::Int || record->type == CBGOutputData::IntList;
        const bool list = record->type == CBGOutputData::IntList || record->type == CBGOutputData::DoubleList;
        if (record->type == CBGOutputData::Text || record->type == CBGOutputData::TextList) continue;

        // The kind is read only for a value that may fail: few are negative, none is signed otherwise.
        std::string kind;
        bool isSigned = false;
        const int count = record->type == CBGOutputData::IntList      ? record->intList.GetSize()
                          : record->type == CBGOutputData::DoubleList ? record->doubleList.GetSize()
                                                                      : 1;
        for (int k = 0; k < count; ++k) {
            double value = 0.0;
            switch (record->type) {
            case CBGOutputData::Int: value = record->intValue; break;
            case CBGOutputData::Double: value = record->doubleValue; break;
            case CBGOutputData::IntList: value = record->intList[k]; break;
            default: value = record->doubleList[k]; break;
            }
            if (!FaultOf(value, false)) continue;
            if (kind.empty()) {
                kind = KindOf(name);
                isSigned = Signed().Holds(kind);
            }
            const char* fault = FaultOf(value, isSigned);
            if (!fault) continue;
            faults.Add(kind, [&] {
                std::string message = kSubject + std::string(name);
                if (list) message += " element " + std::to_string(k + 1);
                message += " = ";
                message += integer ? std::to_string(static_cast<long long>(value)) : RealText(value, record->decimals);
                message += std::string(", ") + WhatItIs(name, integer) + ", " + fault;
                return message;
            });
        }
    }
    return faults.Report("values of this kind");
}

