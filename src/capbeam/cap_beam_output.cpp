// CPM001T0101Atom::OutPM001AtomData: the cap beam's named output values for the calculation report.
#include "capbeam/cap_beam_reinforcement.h"

#include "host/prefixed_output.h"
#include "tendon/serial_label.h"
#include "tendon/design_object.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using OutputWriter = PrefixedOutput;

bool ClassInRange(int c)
{
    return c >= 1 && c <= 6;
}

// One bar of a frame under its prefix: kind, mark and lengths, then its vertices column by column.
void WriteBar(OutputDataMap& map, CString prefix, const CapBeamRecords::singAr& bar)
{
    OutputWriter out(map, std::move(prefix));
    out.Int("class", bar.class_);
    out.Int("fStwArc", bar.fStwArc);
    out.Text("R", bar.R);
    out.Reals("L", bar.L);
    out.Real("sTL", bar.sTL);

    // Each column of the bar's points made where the map keeps it.
    const auto& pts = bar.PtAr;
    const int points = pts.GetSize();
    out.RealsOf("x", points, [&](int k) { return pts[k].x; });
    out.RealsOf("z", points, [&](int k) { return pts[k].z; });
    out.RealsOf("RR", points, [&](int k) { return pts[k].RR; });
    out.RealsOf("alf", points, [&](int k) { return pts[k].alf; });
    out.IntsOf("fH", points, [&](int k) { return pts[k].fH; });
    out.IntsOf("fHzy", points, [&](int k) { return pts[k].fHzy; });
    out.IntsOf("fHsx", points, [&](int k) { return pts[k].fHsx; });
    out.RealsOf("LH", points, [&](int k) { return pts[k].LH; });
    out.IntsOf("fArc", points, [&](int k) { return pts[k].fArc; });
    out.IntsOf("enPoint", points, [&](int k) { return pts[k].enPoint; });
}

template <class Record>
void WriteStirrupRecord(OutputDataMap& map, const CString& prefix, const Record& r, const char* first,
                        const char* second, int firstValue, int secondValue)
{
    OutputWriter out(map, prefix);
    out.Text("R", r.R);
    out.Int(first, firstValue);
    out.Int(second, secondValue);
    out.Int("n", r.n);
    out.Real("L1", r.L1);
    out.Real("L1p", r.L1p);
    out.Real("L2", r.L2);
    out.Real("TL", r.TL);
}

} // namespace

void CPM001T0101Atom::OutPM001AtomData(OutputDataMap& outputs)
{
    OutputWriter out(outputs, "PM001_T0101_");

    // General values.
    out.Int("PMorPT", PMorPT);
    out.Real("hXbl", hXbl);
    out.Real("hXbr", hXbr);
    out.Real("a", a);
    out.Real("lWg", lWg);
    out.Real("bBg", bBg);
    out.Real("iLb", iLb);
    out.Real("iRb", iRb);
    out.Real("hHpl", hHpl);
    out.Real("hHpr", hHpr);
    out.Real("bBpr", bBpr);
    out.Real("bBpl", bBpl);
    out.Reals("bBz", bBz);
    out.Real("bBzl", bBzl);
    out.Real("bBzr", bBzr);
    out.Real("bAc", bAc);
    out.Real("hHgl", hHgl);
    out.Int("SectionType", SectionType);
    out.Real("bRec", bRec);
    out.Real("lRec", lRec);
    out.Real("D", D);
    out.Real("R", R);
    out.Real("X", X);
    out.Real("Y", Y);
    out.Int("JGType", JGType);
    out.Int("nPier", nPier);
    out.Reals("HDM", HDM);
    CStringArray sectionLabels;
    for (int i = 0; i < enSection.GetSize(); ++i) sectionLabels.Add(FormatSerialLabel(enSection[i], 0));
    out.Texts("enSection", sectionLabels);
    out.Int("fBearAndMidSpan", fBearAndMidSpan);
    out.Ints("fDM", fDM);
    out.Int("ConLabel", ConLabel);
    out.Real("Vcon", Vcon);
    out.Int("fCrossContour", fCrossContour);
    out.Int("fSymmetry", fSymmetry);
    out.Int("fZT", fZT);
    out.Int("enPSection", enPSection);
    out.Int("fDistribute", fDistribute);
    out.Int("fPosSdAndSt", fPosSdAndSt);
    out.Int("fPosShAndSg", fPosShAndSg);
    out.Int("fVartc", fVartc);
    out.Real("aPl", aPl);
    out.Real("aPr", aPr);
    out.Int("fTuncateRibLM", fTuncateRibLM);
    out.Int("fNoteFormDM", fNoteFormDM);
    out.Int("fNoteFormSK", fNoteFormSK);
    out.Real("FramePaneWidth", FramePaneWidth);

    // Skeleton settings.
    out.Int("st_type", st.type);
    out.Real("st_d", st.d);
    out.Real("st_ac", st.ac);
    out.Real("st_ua", st.ua);
    out.Real("st_da", st.da);
    out.Real("st_sa", st.sa);
    out.Real("st_a", st.a);
    out.Real("st_Min", st.Min);
    out.Int("st_nFrame", st.nFrame);
    out.Int("st_ns", st.ns);
    out.Real("st_as", st.as);
    out.Text("st_stt", st.stt);
    out.Text("st_stb", st.stb);
    out.Text("st_sttc", st.sttc);
    out.Text("st_stbc", st.stbc);
    out.Text("st_stw", st.stw);
    out.Text("st_stx", st.stx);
    out.Real("st_angle", st.angle);
    out.Int("st_fLayMode", st.fLayMode);
    out.Int("st_fWeld", st.fWeld);
    out.Real("st_LWeld", st.LWeld);
    out.Real("st_LstWeld", st.LstWeld);
    out.Real("st_s", st.s);
    out.Int("st_fCalculateLarc", st.fCalculateLarc);
    out.Real("st_LeadPointR", st.LeadPointR);
    out.Real("st_LeadPointR2", st.LeadPointR2);

    // Frames. With a lay mode other than 0, frames of one sort value are written once, under that
    // value, with the positions of all of them; with lay mode 0 every frame is written, numbered
    // from 1.
    const int frameCount = st.Frame.GetSize();
    std::vector<int> seenSorts;
    for (int i = 0; i < frameCount; ++i) {
        const FrameAr* frame = st.Frame[i];
        if (!frame) continue;

        int number = i + 1;
        if (st.fLayMode != 0) {
            bool seen = false;
            for (int s : seenSorts) seen = seen || s == frame->sort;
            if (seen) continue;
            seenSorts.push_back(frame->sort);
            number = frame->sort;
        }
        const CString prefix = IndexedName("PM001_T0101_Frame[", number, "]_");

        int classCount[6] = {0, 0, 0, 0, 0, 0};
        for (int j = 0; j < frame->Bars.GetSize(); ++j) {
            const singAr* bar = frame->Bars[j];
            if (!bar || !ClassInRange(bar->class_)) continue;
            const int count = ++classCount[bar->class_ - 1];
            // "PM001_T0101_Frame[n]_class[c]_k_", made in one piece.
            std::string barPrefix(prefix.str());
            barPrefix.append("class[").append(std::to_string(bar->class_)).append("]_");
            barPrefix.append(std::to_string(count)).append("_");
            WriteBar(outputs, CString(std::move(barPrefix)), *bar);
        }

        OutputWriter frameOut(outputs, prefix);
        if (st.fLayMode != 0) {
            CArray<double> ys;
            CArray<int> nums, drawn;
            for (int k = 0; k < frameCount; ++k) {
                const FrameAr* other = st.Frame[k];
                if (!other || other->sort != frame->sort) continue;
                ys.Add(other->y);
                nums.Add(other->num);
                drawn.Add(other->fDrawLM);
            }
            frameOut.Reals("y", ys);
            frameOut.Ints("num", nums);
            frameOut.Ints("fDrawLM", drawn);
        } else {
            frameOut.Real("y", frame->y);
            frameOut.Int("num", frame->num);
            frameOut.Int("fDrawLM", frame->fDrawLM);
        }
        frameOut.Int("fsk", frame->fsk);
        frameOut.Int("sort", frame->sort);
        frameOut.Text("name", frame->name);
        for (int m = 0; m < frame->zt.GetSize(); ++m) {
            if (frame->zt[m]) frameOut.Reals(IndexedName("zt", m + 1, ""), *frame->zt[m]);
        }
        for (int m = 0; m < frame->zb.GetSize(); ++m) {
            if (frame->zb[m]) frameOut.Reals(IndexedName("zb", m + 1, ""), *frame->zb[m]);
        }
        frameOut.Reals("difL1", frame->difL1);
        frameOut.Reals("difL2", frame->difL2);
        frameOut.Reals("difL3", frame->difL3);
        frameOut.Reals("difL4", frame->difL4);
    }

    // Bar schedule.
    CStringArray marks;
    CArray<int> counts;
    CArray<double> lengths;
    for (int r = 0; r < st.Rn.GetSize(); ++r) {
        const tRn& row = st.Rn[r];
        out.Texts("Frame_szL" + row.R, row.szL);
        marks.Add(row.R);
        counts.Add(row.n);
        lengths.Add(row.TL);
    }
    out.Texts("Frame_R", marks);
    out.Ints("Frame_n", counts);
    out.Reals("Frame_TL", lengths);

    // Frame tables.
    for (int t = 0; t < st.tFrame.GetSize(); ++t) {
        const tFrameAr* row = st.tFrame[t];
        if (!row) continue;
        OutputWriter rowOut(outputs, IndexedName("PM001_T0101_tFrame[", t + 1, "]_"));
        rowOut.Text("szDY", row->szDY);
        rowOut.Texts("szX1", row->szX1);
        rowOut.Texts("szX2", row->szX2);
        rowOut.Texts("szX3", row->szX3);
        rowOut.Texts("szX4", row->szX4);
    }

    // Stirrups.
    out.Int("sg_type", sg.type);
    out.Real("sg_d", sg.d);
    out.Real("sg_a", sg.a);
    out.Real("sg_ac", sg.ac);
    out.Real("sg_Min", sg.Min);
    out.Real("sg_Max", sg.Max);
    out.Int("sg_fLayMode", sg.fLayMode);
    out.Real("sg_s", sg.s);
    out.Real("sg_s2", sg.s2);
    out.Int("sg_fenG", sg.fenG);
    out.Real("sg_s3", sg.s3);
    out.Real("sg_TBL", sg.TBL);
    out.Real("sg_TBR", sg.TBR);
    out.Int("sg_lns3", sg.lns3);
    out.Int("sg_rns3", sg.rns3);
    out.Ints("sg_ns", sg.ns);
    out.Int("sg_nasl", sg.nasl);
    out.Int("sg_nasr", sg.nasr);
    out.Reals("sg_as", sg.as);
    out.Ints("sg_lns2", sg.lns2);
    out.Ints("sg_rns2", sg.rns2);
    out.Int("sg_lXBns2", sg.lXBns2);
    out.Int("sg_rXBns2", sg.rXBns2);
    out.Int("sg_nAns", sg.nAns);
    out.Real("sg_b", sg.b);
    out.Real("sg_bMid", sg.bMid);
    out.Real("sg_Aas", sg.Aas);
    out.Int("sg_HookedTpye", sg.HookedTpye);
    out.Real("sg_alf", sg.alf);
    out.Real("sg_RG", sg.RG);
    out.Real("sg_EL", sg.EL);

    // Stirrup groups: one record of each list per group, as far as the lists hold records.
    for (int i = 1; i <= XH.GetSize(); ++i) {
        if (i <= sg.sg1.GetSize()) {
            const M_sg1& r = sg.sg1[i - 1];
            WriteStirrupRecord(outputs, IndexedName("PM001_T0101_sg1[", i, "]_"), r, "Nori", "Nend", r.Nori, r.Nend);
        }
        if (i <= sg.sg2.GetSize()) {
            const M_sg2& r = sg.sg2[i - 1];
            WriteStirrupRecord(outputs, IndexedName("PM001_T0101_sg2[", i, "]_"), r, "nl", "nr", r.nl, r.nr);
        }
        if (sg.fLayMode == 0 && i <= sg.sg3.GetSize()) {
            const M_sg3& r = sg.sg3[i - 1];
            WriteStirrupRecord(outputs, IndexedName("PM001_T0101_sg3[", i, "]_"), r, "nl", "nr", r.nl, r.nr);
        }
    }

    // Side-face bars.
    out.Int("sh_type", sh.type);
    out.Real("sh_Min", sh.Min);
    out.Real("sh_Max", sh.Max);
    out.Real("sh_d", sh.d);
    out.Real("sh_ac", sh.ac);
    out.Real("sh_a", sh.a);
    out.Int("sh_fLayMode", sh.fLayMode);
    out.Real("sh_s", sh.s);
    out.Real("sh_as", sh.as);
    out.Real("sh_HL", sh.HL);
    out.Real("sh_HR", sh.HR);
    out.Real("sh_HM", sh.HM);
    out.Real("sh_sl", sh.sl);
    out.Real("sh_sr", sh.sr);
    out.Real("sh_sm", sh.sm);
    out.Int("sh_ns", sh.ns);
    out.Real("sh_alf", sh.alf);
    out.Real("sh_RG", sh.RG);
    out.Real("sh_EL", sh.EL);
    out.Int("sh1_n", sh.sh1_n);
    out.Text("sh1_R", sh.sh1_R);
    out.Real("sh1_L", sh.sh1_L);
    out.Real("sh1_Lp", sh.sh1_Lp);
    out.Real("sh1_TL", sh.sh1_TL);
    out.Int("sh2_n", sh.sh2_n);
    out.Text("sh2_R", sh.sh2_R);
    out.Real("sh2_L", sh.sh2_L);
    out.Real("sh2_Lp", sh.sh2_Lp);
    out.Real("sh2_TL", sh.sh2_TL);

    // End-face bars.
    out.Int("sd_type", sd.type);
    out.Text("sd_R", sd.R);
    out.Real("sd_d", sd.d);
    out.Real("sd_ac", sd.ac);
    out.Real("sd_a", sd.a);
    out.Real("sd_a2", sd.a2);
    out.Real("sd_Min", sd.Min);
    out.Real("sd_Max", sd.Max);
    out.Real("sd_sl", sd.sl);
    out.Int("sd_nsl", sd.nsl);
    out.Real("sd_sr", sd.sr);
    out.Int("sd_nsr", sd.nsr);
    out.Int("sd_nl", sd.nl);
    out.Int("sd_nr", sd.nr);
    out.Int("sd_n", sd.n);
    out.Real("sd_L", sd.L);
    out.Real("sd_alf", sd.alf);
    out.Real("sd_EL", sd.EL);
    out.Real("sd_TL", sd.TL);

    // A prestressed cap beam ends with its tendons' values.
    if (JGType != 0 && m_pTendonAtom) m_pTendonAtom->OutPM00104AtomData(outputs);
}
