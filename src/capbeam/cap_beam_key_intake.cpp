// CPM001T0101Atom::SetKeyData: the key parameters checked, spread over the skeleton frames and taken over.
#include "capbeam/cap_beam_key_intake.h"

#include "capbeam/cap_beam_reinforcement.h"

#include "common/number_text.h"
#include "host/report.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <vector>

namespace {

using KeyFrame = struct CPM001_CapKeyParam::FrameAr;

// The parenthesised part of a frame record's name: "K1(K2,K3)" stands for the frames named K1 and
// gives them the names K2 and K3. Only an opening parenthesis followed by a closing one counts.
struct NameList {
    bool present = false;
    CString bare;           // the name before "("
    CStringArray items;     // the names between the parentheses
};

NameList ParseNameList(const CString& name)
{
    NameList list;
    const int open = name.Find('(');
    if (open < 0) return list;
    const int close = name.Find(')', open + 1);
    if (close < 0) return list;
    list.present = true;
    list.bare = name.Left(open);
    KVDataCommon::strTostrSTArr(name.Mid(open + 1, close - open - 1), list.items);
    return list;
}

int CountNamed(const CStringArray& names, const CString& name)
{
    int count = 0;
    for (int j = 0; j < names.GetSize(); ++j) {
        if (names[j] == name) ++count;
    }
    return count;
}

// Lays the frame records of the key parameters over the frames, one record per frame name, as
// the skeleton of lay mode 0 reads them. Placing a record at a frame copies it there and shifts
// its end stations for the skew at that frame's transverse position.
class FrameSpreader {
public:
    FrameSpreader(CPM001_CapKeyParam& kp, double tanA, int skewFrames, int style)
        : m_kp(kp), m_tanA(tanA), m_skewFrames(skewFrames), m_style(style),
          m_placed(static_cast<std::size_t>(kp.FrameName.GetSize()), false)
    {
    }

    void Run()
    {
        const CArray<KeyFrame> records = m_kp.FrameAr;
        const int n = m_kp.FrameName.GetSize();
        m_kp.FrameAr.RemoveAll();
        m_kp.FrameAr.SetSize(n);

        for (int r = 0; r < records.GetSize(); ++r) {
            const KeyFrame& record = records[r];
            const NameList list = ParseNameList(record.name);
            if (list.present) {
                if (list.items.IsEmpty()) continue;
                int i = 0;
                for (int j = 0; j < n; ++j) {
                    if (m_kp.FrameName[j] != list.bare) continue;
                    // The lists were checked before: each has a name for every frame it stands for.
                    if (i >= list.items.GetSize()) break;
                    Place(record, j, list.items[i]);
                    ++i;
                }
            } else if (record.fGJJ != 0) {
                PlaceByName(record);
            }
        }
        for (int r = 0; r < records.GetSize(); ++r) {
            const KeyFrame& record = records[r];
            if (!ParseNameList(record.name).present && record.fGJJ == 0) PlaceByName(record);
        }
        for (int j = 0; j < n; ++j) m_kp.FrameName[j] = m_kp.FrameAr[j].name;
    }

private:
    void PlaceByName(const KeyFrame& record)
    {
        const int n = m_kp.FrameName.GetSize();
        const int matches = CountNamed(m_kp.FrameName, record.name);
        for (int j = 0; j < n; ++j) {
            if (m_kp.FrameName[j] != record.name) continue;
            if (matches == 1 && !PlacedNameExists(record.name)) Place(record, j, record.name);
            else Place(record, j, NewName());
        }
    }

    bool PlacedNameExists(const CString& name) const
    {
        for (int j = 0; j < m_kp.FrameAr.GetSize(); ++j) {
            if (m_placed[static_cast<std::size_t>(j)] && m_kp.FrameAr[j].name == name) return true;
        }
        return false;
    }

    bool AnyRecordNamed(const CString& name) const
    {
        for (int j = 0; j < m_kp.FrameAr.GetSize(); ++j) {
            if (m_kp.FrameAr[j].name == name) return true;
        }
        return false;
    }

    // The next numbered name that no record carries yet. Distinct numbers give distinct names, so
    // among the frame count + 1 numbers tried one is free.
    CString NewName()
    {
        CString name;
        KVDataCommon::IntToString(m_counter, name, m_style);
        for (int tries = 0; AnyRecordNamed(name) && tries <= m_kp.FrameAr.GetSize() && m_counter < INT_MAX;
             ++tries) {
            ++m_counter;
            KVDataCommon::IntToString(m_counter, name, m_style);
        }
        if (m_counter < INT_MAX) ++m_counter;
        return name;
    }

    void Place(const KeyFrame& record, int j, const CString& name)
    {
        KeyFrame& placed = m_kp.FrameAr[j];
        placed = record;
        placed.name = name;
        m_placed[static_cast<std::size_t>(j)] = true;

        const double y = j < m_kp.FrameY.GetSize() ? m_kp.FrameY[j] : 0.0;
        const double shift = m_tanA * y;
        if (m_skewFrames == 1 && !placed.GJJ.IsEmpty()) {
            CArray<CPM001_CapKeyParam::M_GJJ>& first = placed.GJJ[0];
            if (!first.IsEmpty()) first[first.GetUpperBound()].dx += shift;
            CArray<CPM001_CapKeyParam::M_GJJ>& last = placed.GJJ[placed.GJJ.GetUpperBound()];
            if (!last.IsEmpty()) last[last.GetUpperBound()].dx -= shift;
        }
        if (placed.fGJJ == 0 && m_skewFrames == 1 && !placed.LenT.IsEmpty()) {
            placed.LenT[0] += shift;
            placed.LenT[placed.LenT.GetUpperBound()] -= shift;
        }
    }

    CPM001_CapKeyParam& m_kp;
    double m_tanA;
    int m_skewFrames;
    int m_style;
    int m_counter = 1;
    std::vector<bool> m_placed;
};

} // namespace

int TruncatedInt(double value)
{
    if (!std::isfinite(value) || value >= 2147483648.0 || value <= -2147483649.0) return 0;
    return static_cast<int>(value);
}

int CheckKeyFrames(const CPM001_CapKeyParam& kp, int nPier)
{
    for (int r = 0; r < kp.FrameAr.GetSize(); ++r) {
        const KeyFrame& record = kp.FrameAr[r];
        if (record.fGJJ != 0 && record.GJJ.GetSize() != 2 * nPier) {
            QMReportError("钢筋面" + record.name + "中墩柱个数和可调数据中的骨架钢筋信息组数不匹配，请检查！", 0);
            return 0;
        }
    }
    if (kp.FrameY.GetSize() != kp.FrameName.GetSize()) {
        QMReportError("可调数据中钢筋面的位置个数和钢筋面名称个数不匹配，请检查！", 0);
        return 0;
    }
    if (kp.st_fLayMode == 0) {
        for (int r = 0; r < kp.FrameAr.GetSize(); ++r) {
            const KeyFrame& record = kp.FrameAr[r];
            const NameList list = ParseNameList(record.name);
            if (list.present && !list.items.IsEmpty() && CountNamed(kp.FrameName, list.bare) > list.items.GetSize()) {
                QMReportError("钢筋面" + record.name + "中括号内的钢筋面名称个数少于名为" + list.bare +
                                  "的钢筋面个数，请检查！",
                              0);
                return 0;
            }
        }
    }
    return 1;
}

void SpreadKeyFrames(CPM001_CapKeyParam& kp, double tanA, int skewFrames, int textStyleMode)
{
    const int style = textStyleMode == 1 ? 0 : (textStyleMode == 2 ? 2 : 1);
    FrameSpreader(kp, tanA, skewFrames, style).Run();
}

void TrimKeyFrameNames(CPM001_CapKeyParam& kp)
{
    for (int r = 0; r < kp.FrameAr.GetSize(); ++r) {
        CString& name = kp.FrameAr[r].name;
        const int open = name.Find('(');
        if (open >= 0) name = name.Left(open);
        name.Trim();
    }
}

void MarkKeyBarStates(CPM001_CapKeyParam& kp)
{
    for (int r = 0; r < kp.FrameAr.GetSize(); ++r) {
        KeyFrame& record = kp.FrameAr[r];
        if (record.fGJJ == 0) continue;
        const int groups = record.GJJ.GetSize();
        for (int g = 0; g < groups; ++g) {
            CArray<CPM001_CapKeyParam::M_GJJ>& group = record.GJJ[g];
            for (int b = 0; b < group.GetSize(); ++b) {
                CPM001_CapKeyParam::M_GJJ& bar = group[b];
                if (bar.fBar != 0) {
                    bar.fWQ = 1;
                    bar.fXJ = 0;
                }
                if (g == 0 || g == groups - 1) bar.fXJ = 0;
            }
        }
    }
}

int CPM001T0101Atom::SetKeyData(CPM001_CapKeyParam* kp)
{
    // A refused set of key parameters leaves them and the object untouched.
    if (!kp || !CheckKeyFrames(*kp, nPier)) return 0;

    KeyFrames = kp->FrameAr;
    KeyFrameNames = kp->FrameName;
    fSkewFrames = kp->fCapSep == 0 ? 1 : 0;
    fEndSupportsApart = kp->fCapSep == 0 ? 1 : 0;
    if (kp->st_fLayMode == 0) SpreadKeyFrames(*kp, std::tan(a), fSkewFrames, TextStyleMode);
    TrimKeyFrameNames(*kp);

    fDistribute = kp->fDistribute;
    fPosSdAndSt = kp->fPosSdAndSt;
    fPosShAndSg = kp->fPosShAndSg;
    fVartc = kp->fVartc;
    fDrawLMByFsk = kp->fDrawLMByFsk;

    st.ua = kp->st_ua;
    st.sa = kp->st_sa;
    st.d = kp->st_d;
    st.type = kp->st_type;
    st.ac = kp->st_ac;
    st.angle = kp->st_angle;
    st.fLayMode = kp->st_fLayMode;
    st.fWeld = kp->st_fWeld;
    st.LstWeld = kp->st_LstWeld;

    sg.a = kp->sg_a;
    sg.type = TruncatedInt(kp->sg_type);
    sg.d = kp->sg_d;
    sg.ac = kp->sg_ac;
    sg.Min = kp->sg_Min;
    sg.Max = kp->sg_Max;
    sg.fLayMode = kp->sg_fLayMode;
    sg.s = kp->sg_s;
    sg.s2 = kp->sg_s2;
    sg.fenG = kp->sg_fenG;
    sg.s3 = kp->sg_s3;
    if (!kp->sg_lns2.IsEmpty()) sg.lns2 = kp->sg_lns2;
    if (!kp->sg_rns2.IsEmpty()) sg.rns2 = kp->sg_rns2;
    sg.HookedTpye = kp->sg_HookedTpye;

    if (!kp->XH.IsEmpty()) {
        XH.SetSize(kp->XH.GetSize());
        for (int i = 0; i < kp->XH.GetSize(); ++i) {
            XH[i].nA = kp->XH[i].nA;
            XH[i].nB = kp->XH[i].nB;
        }
    }
    std::stable_sort(XH.GetData(), XH.GetData() + XH.GetSize(), LessXHByFirst);

    sh.type = kp->sh_type;
    sh.Min = kp->sh_Min;
    sh.Max = kp->sh_Max;
    sh.d = kp->sh_d;
    sh.ac = kp->sh_ac;
    sh.s = kp->sh_s;
    sd.type = kp->sd_type;
    sd.d = kp->sd_d;
    sd.ac = kp->sd_ac;
    sd.Min = kp->sd_Min;
    sd.Max = kp->sd_Max;

    MarkKeyBarStates(*kp);
    return 1;
}
