// CPM001T010401Atom::SetTZSteelData: the tendon quantity table — groups of alike tendons, title and
// qualifiers, duct sizes, anchorage labels, the bars counted along the tendons and the end codes.
#include "tendon/design_object.h"

#include "calc/pm001_cap_key_param.h"
#include "common/bar_sizes.h"
#include "common/is_equal.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace {

using M_Steel = CPM001T010401Atom::M_Steel;
using KVDataCommon::IsEqual;

// A tendon of the working copy with its 1-based number in the tendon list.
struct Numbered {
    const M_Steel* steel;
    int number;
};

std::vector<Numbered> WorkingCopy(const std::vector<std::unique_ptr<M_Steel>>& steel)
{
    std::vector<Numbered> copy;
    for (std::size_t i = 0; i < steel.size(); ++i) {
        if (steel[i]) copy.push_back({steel[i].get(), static_cast<int>(i) + 1});
    }
    return copy;
}

// x cut toward zero as an int; values beyond the int range are held at its ends, NaN gives 0.
int TruncToInt(double x)
{
    if (std::isnan(x)) return 0;
    if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(x);
}

int ClampToInt(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// Alike tendons have the same number and kinds of elevation nodes and the same end kinds: the
// key that tells them apart.
std::vector<int> AlikeKey(const M_Steel& s)
{
    std::vector<int> key{s.LNode.GetSize(), s.lMC, s.rMC};
    for (int k = 0; k < s.LNode.GetSize(); ++k) key.push_back(s.LNode[k].property);
    return key;
}

CString NumberListText(std::vector<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    CString text;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        if (k > 0) text += "、";
        text.AppendFormat("N%d", numbers[k]);
    }
    return text;
}

// Bars counted along one tendon: whole spacings on each piece, plus one for a piece's rest, with
// the spacing of even pieces `even` and of odd pieces `odd`. q is the number of whole spacings of
// the previous piece and carries over from piece to piece. A spacing that is not positive lays no
// whole spacing on its piece.
long long CountAlongTendon(const DblArray& pieces, double even, double odd, int& q)
{
    long long count = 0;
    double offset = 0.0;
    double rest = 0.0;
    for (int k = 0; k < pieces.GetSize(); ++k) {
        const double length = pieces[k];
        double spacing;
        if (k % 2 == 0) {
            spacing = even;
            if (k > 0) offset = (q > 0 || odd > rest) ? odd - rest : even - rest;
        } else {
            spacing = odd;
            offset = odd > rest ? odd - rest : even - rest;
        }
        const double free = length - offset;
        q = spacing > 0.0 ? TruncToInt(free / spacing) : 0;
        if (q > 0) {
            count += q;
            rest = free - q * spacing;
            if (rest > 0.0) count += 1;
        } else if (free < 0.0 || IsEqual(free, 0.0)) {
            rest += length;
        } else {
            rest = free;
            count += 1;
        }
    }
    return count;
}

} // namespace

int CPM001T010401Atom::SetTZSteelData(CPM001_CapKeyParam* kp)
{
    // 1. Groups of alike tendons, as "N1、N3、N4", in the order of their first tendons.
    {
        std::vector<std::vector<int>> groups;
        std::map<std::vector<int>, std::size_t> groupOf;
        for (const Numbered& t : WorkingCopy(Steel)) {
            const auto [found, added] = groupOf.try_emplace(AlikeKey(*t.steel), groups.size());
            if (added) groups.emplace_back();
            groups[found->second].push_back(t.number);
        }
        for (const std::vector<int>& numbers : groups) {
            if (numbers.size() > 1) ZVer_plotR.Add(NumberListText(numbers));
        }
    }

    // 2. Title and the qualifiers of the counted part and of the whole.
    szMEM.Format("%d号墩盖梁", nPierLabel);
    mul = FVLH != 0 ? nLH : 1;
    SMM = fSeparationSymmetry != 0 ? 2 : 1;
    mul_SMM = SMM * mul;
    if (mul == 1 && SMM == 1) {
        if (PierLayMode != 0) szpar = "";
        else if (bAg > 0.0 || IsEqual(bAg, 0.0)) szpar = "左幅";
        else szpar = "右幅";
        szint = "";
    } else if (mul == 1) {
        szpar = "半幅";
        szint = "全幅";
    } else {
        szpar = "一片盖梁";
        szint = "全桥";
    }

    // 3. Round ducts, each inner diameter once. A listed duct passes over the later tendons whose
    // ducts have its inner diameter, whatever their kind. Each listed duct looks once through the
    // later tendons; the tendons share the catalogue's few duct sizes, so few are listed.
    {
        const std::vector<Numbered> copy = WorkingCopy(Steel);
        std::vector<bool> passed(copy.size(), false);
        for (std::size_t i = 0; i < copy.size(); ++i) {
            const M_SteelMat& duct = copy[i].steel->cl;
            if (passed[i] || duct.Btype != 0) continue;
            for (std::size_t j = i + 1; j < copy.size(); ++j) {
                if (IsEqual(copy[j].steel->cl.Bnd, duct.Bnd)) passed[j] = true;
            }
            B_Bnd.Add(duct.Bnd);
        }
    }

    // 4. Flat ducts, each inner size once, as width*height, passed over in the same way.
    {
        const std::vector<Numbered> copy = WorkingCopy(Steel);
        std::vector<bool> passed(copy.size(), false);
        for (std::size_t i = 0; i < copy.size(); ++i) {
            const M_SteelMat& duct = copy[i].steel->cl;
            if (passed[i] || duct.Btype == 0) continue;
            for (std::size_t j = i + 1; j < copy.size(); ++j) {
                const M_SteelMat& other = copy[j].steel->cl;
                if (IsEqual(other.Bnh, duct.Bnh) && IsEqual(other.Bnw, duct.Bnw)) passed[j] = true;
            }
            CString size;
            size.Format("%d*%d", TruncToInt(duct.Bnw), TruncToInt(duct.Bnh));
            B_Bnh_Bnw.Add(size);
        }
    }

    // 5. Anchorage labels, each once, in order of first appearance.
    {
        std::set<CString> listed;
        for (const Numbered& t : WorkingCopy(Steel)) {
            for (const CString* label : {&t.steel->cl.MLAlias, &t.steel->cl.MRAlias}) {
                if (listed.insert(*label).second) M_Alias.Add(*label);
            }
        }
    }

    // 6. Bars along the tendons.
    if (kp) {
        SBtype = kp->SBtype;
        SBd = kp->SBd;
        Ldis = kp->Ldis;
        Cdis = kp->Cdis;
        PY = kp->PY;
    }
    long long bars = 0;
    int q = 0;
    for (const Numbered& t : WorkingCopy(Steel)) {
        const long long count = std::min<long long>(CountAlongTendon(t.steel->L, Ldis, Cdis, q), INT_MAX);
        bars += (count + 1) * t.steel->n;
        bars = std::clamp<long long>(bars, INT_MIN, INT_MAX);
    }
    SBL = ClampToInt(bars);
    SBgame = KVDataCommon::gjweight(SBd);
    SBgama = 1.0 * SBgame;
    SBmass = static_cast<double>(SBL) * SBgama;
    er = 6.0;

    // 7. Codes of the kinds of tendon ends and anchorages that occur.
    const std::vector<Numbered> tendons = WorkingCopy(Steel);
    const auto any = [&tendons](auto&& test) {
        return std::any_of(tendons.begin(), tendons.end(), [&test](const Numbered& t) { return test(*t.steel); });
    };
    const auto atLeft = [this](const M_Steel& s) { return s.LNode.GetSize() > 0 && IsEqual(s.LNode[0].X, fm); };
    const auto atRight = [this](const M_Steel& s) {
        return s.LNode.GetSize() > 0 && IsEqual(s.LNode[s.LNode.GetUpperBound()].X, bBg - fmr);
    };
    const auto atRightEnd = [this](const M_Steel& s) {
        return s.LNode.GetSize() > 0 && IsEqual(bBg - s.LNode[s.LNode.GetUpperBound()].X, fmr);
    };

    AnchorsFlag.Add(0);
    if (any([](const M_Steel& s) { return s.PT == 1 || s.PT == 2; })) AnchorsFlag.Add(1);
    if (any([](const M_Steel& s) { return s.cl.MLtype == 0 || s.cl.MRtype == 0; })) {
        AnchorsFlag.Add(2);
        if (any([&](const M_Steel& s) {
                return (s.cl.MLtype == 0 && atLeft(s) && s.PT == 2) || (s.cl.MRtype == 0 && atRight(s) && s.PT == 1);
            })) {
            AnchorsFlag.Add(3);
        }
        if (any([&](const M_Steel& s) {
                return (s.cl.MLtype == 0 || s.cl.MRtype == 0) && (atLeft(s) || atRightEnd(s));
            })) {
            AnchorsFlag.Add(4);
        }
    }
    if (any([](const M_Steel& s) { return s.cl.MLtype == 1 || s.cl.MRtype == 1; })) {
        AnchorsFlag.Add(5);
        if (any([&](const M_Steel& s) {
                return (s.cl.MLtype == 1 && atLeft(s) && s.PT == 2) || (s.cl.MRtype == 1 && atRight(s) && s.PT == 1);
            })) {
            AnchorsFlag.Add(6);
        }
        if (any([&](const M_Steel& s) {
                return (s.cl.MLtype == 1 && atLeft(s) && s.PT != 2) || (s.cl.MRtype == 1 && atRight(s) && s.PT != 1);
            })) {
            AnchorsFlag.Add(7);
        }
    }
    return 1;
}
