// Stirrups: one record of each stirrup kind per stirrup group, with the group's label and its width.
#include "capbeam/stirrups/layout.h"

#include "capbeam/stirrups/bar_counts.h"
#include "common/cut_length.h"
#include "host/report.h"

#include <cmath>
#include <vector>

using CapBeamBarCounts::RoundLength;

namespace CapBeamStirrups {

namespace {

// One letter per new stirrup width after the first.
constexpr const char* kWidthLetters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j",
                                         "k", "l", "m", "n", "o", "p", "q", "r", "s", "t"};
constexpr int kLetterCount = static_cast<int>(sizeof kWidthLetters / sizeof kWidthLetters[0]);

// Labels of the groups: the kind's number alone for the first width, the number and a letter for
// every further width, the earlier group's label for a width met before.
class GroupLabels {
public:
    // Registers the width key of the next group; a width not met before takes the next letter.
    void Add(int key)
    {
        int earlier = -1;
        for (int j = 0; j < static_cast<int>(m_keys.size()) && earlier < 0; ++j)
            if (m_keys[j] == key) earlier = j;
        int letter = -1;
        if (!m_keys.empty() && earlier < 0 && m_letters < kLetterCount) letter = m_letters++;
        m_earlier.push_back(earlier);
        m_letter.push_back(letter);
        m_keys.push_back(key);
    }

    // Label of group i of a kind numbered number, given the labels of the kind's earlier groups.
    template <class Record>
    CString Label(int i, const CString& number, const CArray<Record>& records) const
    {
        if (m_earlier[i] >= 0) return records[m_earlier[i]].R;
        CString label = number;
        if (m_letter[i] >= 0) label += kWidthLetters[m_letter[i]];
        return label;
    }

private:
    std::vector<int> m_keys;
    std::vector<int> m_earlier;   // first earlier group of the same width, or -1
    std::vector<int> m_letter;    // letter of a new width, or -1
    int m_letters = 0;
};

// The next bar mark of the cap beam as text.
CString NextMark(Atom& atom)
{
    ++atom.nMark;
    CString number;
    number.Format("%d", atom.nMark);
    return number;
}

// A stirrup count below zero means that the layout asks for stirrups that cannot be laid (zones
// that overlap): reported with the key of the published count, the record keeps no stirrup of that
// kind, and the design stops.
bool CheckLaid(int& count, const char* kind, int group, const char* field)
{
    if (count >= 0) return true;
    count = 0;
    CString key;
    key.Format("PM001_T0101_%s[%d]_%s", kind, group + 1, field);
    return ReportBelowZero(key);
}

template <class Record>
bool CheckLaidEnds(Record& record, const char* kind, int group)
{
    if (CheckLaid(record.nl, kind, group, "nl") && CheckLaid(record.nr, kind, group, "nr") &&
        CheckLaid(record.n, kind, group, "n"))
        return true;
    record.nl = record.nr = record.n = 0;
    return false;
}

} // namespace

bool ReportBelowZero(const CString& key, const CString& where)
{
    CString message;
    message.Format("计算错误：箍筋无法布置，%s%s 小于0，请检查箍筋间距和加密间距数", where.GetString(), key.GetString());
    QMReportError(message, 0);
    return false;
}

double StirrupCutLength(const Atom& atom, double L1, double L1p, double L2)
{
    const double total = RoundLength(L1) + RoundLength(L1p) + 2.0 * RoundLength(L2) + 2.0 * atom.sg.EL;
    return KVDataCommon::KVCTL(total);
}

int FillGroupRecords(Atom& atom, const Plan& plan)
{
    auto& sg = atom.sg;
    const int groups = atom.XH.GetSize();
    const bool tapered = HasTaperRecords(plan);
    const bool skewEnds = HasSkewEndRecords(atom, plan.layout);
    sg.sg1.SetSize(groups);
    if (tapered) sg.sg2.SetSize(groups);
    if (skewEnds) sg.sg3.SetSize(groups);

    // The stirrups are shared among the records the same way for every group.
    Shares shares;
    if (groups > 0 && !ShareStirrups(atom, plan, shares)) return 0;

    GroupLabels labels;
    CString mainNumber, taperNumber, skewNumber;
    for (int i = 0; i < groups; ++i) {
        const auto& group = atom.XH[i];
        labels.Add(WidthKey(atom, group));

        auto& main = sg.sg1[i];
        if (i == 0) mainNumber = NextMark(atom);
        main.R = labels.Label(i, mainNumber, sg.sg1);
        main.Nori = group.nA;
        main.Nend = group.nB;
        if (!StoreCount(shares.main, main.n) || !CheckLaid(main.n, "sg1", i, "n")) return 0;
        if (!MainLegs(atom, plan, shares, main.L1, main.L1p)) return 0;
        const double w = atom.st.Frame[group.nB - 1]->y - atom.st.Frame[group.nA - 1]->y;
        main.L2 = w + plan.W;
        if (!IsSquare(plan.layout)) main.L2 /= std::cos(atom.a);
        main.TL = StirrupCutLength(atom, main.L1, main.L1p, main.L2);

        if (tapered) {
            auto& taper = sg.sg2[i];
            if (i == 0) taperNumber = NextMark(atom);
            taper.R = labels.Label(i, taperNumber, sg.sg2);
            if (!FillTaperRecord(atom, plan, shares, main, taper) || !CheckLaidEnds(taper, "sg2", i)) return 0;
        }
        if (skewEnds) {
            auto& skew = sg.sg3[i];
            if (i == 0) skewNumber = NextMark(atom);
            skew.R = labels.Label(i, skewNumber, sg.sg3);
            if (!FillSkewEndRecord(atom, plan, shares, main, tapered ? &sg.sg2[i] : nullptr, skew) ||
                !CheckLaidEnds(skew, "sg3", i))
                return 0;
        }
    }
    return 1;
}

} // namespace CapBeamStirrups
