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
    out.Int("class", OutputKinds::Code, bar.class_);
    out.Int("fStwArc", OutputKinds::Code, bar.fStwArc);
    out.Text("R", bar.R);
    out.Reals("L", OutputKinds::Length, bar.L);
    out.Real("sTL", OutputKinds::Length, bar.sTL);

    // Each column of the bar's points made where the map keeps it.
    const auto& pts = bar.PtAr;
    const int points = pts.GetSize();
    out.RealsOf("x", OutputKinds::BarVertex, points, [&](int k) { return pts[k].x; });
    out.RealsOf("z", OutputKinds::BarVertex, points, [&](int k) { return pts[k].z; });
    out.RealsOf("RR", OutputKinds::Length, points, [&](int k) { return pts[k].RR; });
    out.RealsOf("alf", OutputKinds::Angle, points, [&](int k) { return pts[k].alf; });
    out.IntsOf("fH", OutputKinds::Code, points, [&](int k) { return pts[k].fH; });
    out.IntsOf("fHzy", OutputKinds::Code, points, [&](int k) { return pts[k].fHzy; });
    out.IntsOf("fHsx", OutputKinds::Code, points, [&](int k) { return pts[k].fHsx; });
    out.RealsOf("LH", OutputKinds::Length, points, [&](int k) { return pts[k].LH; });
    out.IntsOf("fArc", OutputKinds::Code, points, [&](int k) { return pts[k].fArc; });
    out.IntsOf("enPoint", OutputKinds::Code, points, [&](int k) { return pts[k].enPoint; });
}

template <class Record>
void WriteStirrupRecord(OutputDataMap& map, const CString& prefix, const Record& r, const OutputKind& kind,
                        const char* first, const char* second, int firstValue, int secondValue)
{
    OutputWriter out(map, prefix);
    out.Text("R", r.R);
    out.Int(first, kind, firstValue);
    out.Int(second, kind, secondValue);
    out.Int("n", OutputKinds::Count, r.n);
    out.Real("L1", OutputKinds::Length, r.L1);
    out.Real("L1p", OutputKinds::Length, r.L1p);
    out.Real("L2", OutputKinds::Length, r.L2);
    out.Real("TL", OutputKinds::Length, r.TL);
}

} // namespace

void CPM001T0101Atom::OutPM001AtomData(OutputDataMap& outputs)
{
    OutputWriter out(outputs, "PM001_T0101_");

    // General values.
    out.Int("PMorPT", OutputKinds::Code, PMorPT);
    out.Real("hXbl", OutputKinds::Length, hXbl);
    out.Real("hXbr", OutputKinds::Length, hXbr);
    out.Real("a", OutputKinds::Angle, a);
    out.Real("lWg", OutputKinds::Length, lWg);
    out.Real("bBg", OutputKinds::Length, bBg);
    out.Real("iLb", OutputKinds::CrossSlope, iLb);
    out.Real("iRb", OutputKinds::CrossSlope, iRb);
    out.Real("hHpl", OutputKinds::Length, hHpl);
    out.Real("hHpr", OutputKinds::Length, hHpr);
    out.Real("bBpr", OutputKinds::Length, bBpr);
    out.Real("bBpl", OutputKinds::Length, bBpl);
    out.Reals("bBz", OutputKinds::Length, bBz);
    out.Real("bBzl", OutputKinds::Length, bBzl);
    out.Real("bBzr", OutputKinds::Length, bBzr);
    out.Real("bAc", OutputKinds::Station, bAc);
    out.Real("hHgl", OutputKinds::Length, hHgl);
    out.Int("SectionType", OutputKinds::Code, SectionType);
    out.Real("bRec", OutputKinds::Length, bRec);
    out.Real("lRec", OutputKinds::Length, lRec);
    out.Real("D", OutputKinds::Length, D);
    out.Real("R", OutputKinds::Length, R);
    out.Real("X", OutputKinds::Length, X);
    out.Real("Y", OutputKinds::Length, Y);
    out.Int("JGType", OutputKinds::Code, JGType);
    out.Int("nPier", OutputKinds::Count, nPier);
    out.Reals("HDM", OutputKinds::Length, HDM);
    CStringArray sectionLabels;
    for (int i = 0; i < enSection.GetSize(); ++i) sectionLabels.Add(FormatSerialLabel(enSection[i], 0));
    out.Texts("enSection", sectionLabels);
    out.Int("fBearAndMidSpan", OutputKinds::Code, fBearAndMidSpan);
    out.Ints("fDM", OutputKinds::Code, fDM);
    out.Int("ConLabel", OutputKinds::Code, ConLabel);
    out.Real("Vcon", OutputKinds::Amount, Vcon);
    out.Int("fCrossContour", OutputKinds::Code, fCrossContour);
    out.Int("fSymmetry", OutputKinds::Code, fSymmetry);
    out.Int("fZT", OutputKinds::Code, fZT);
    out.Int("enPSection", OutputKinds::Code, enPSection);
    out.Int("fDistribute", OutputKinds::Code, fDistribute);
    out.Int("fPosSdAndSt", OutputKinds::Code, fPosSdAndSt);
    out.Int("fPosShAndSg", OutputKinds::Code, fPosShAndSg);
    out.Int("fVartc", OutputKinds::Code, fVartc);
    out.Real("aPl", OutputKinds::Inclination, aPl);
    out.Real("aPr", OutputKinds::Inclination, aPr);
    out.Int("fTuncateRibLM", OutputKinds::Code, fTuncateRibLM);
    out.Int("fNoteFormDM", OutputKinds::Code, fNoteFormDM);
    out.Int("fNoteFormSK", OutputKinds::Code, fNoteFormSK);
    out.Real("FramePaneWidth", OutputKinds::Length, FramePaneWidth);

    // Skeleton settings.
    out.Int("st_type", OutputKinds::Code, st.type);
    out.Real("st_d", OutputKinds::Length, st.d);
    out.Real("st_ac", OutputKinds::Length, st.ac);
    out.Real("st_ua", OutputKinds::Length, st.ua);
    out.Real("st_da", OutputKinds::Length, st.da);
    out.Real("st_sa", OutputKinds::Length, st.sa);
    out.Real("st_a", OutputKinds::Length, st.a);
    out.Real("st_Min", OutputKinds::Length, st.Min);
    out.Int("st_nFrame", OutputKinds::Count, st.nFrame);
    out.Int("st_ns", OutputKinds::FramesLessThree, st.ns);
    out.Real("st_as", OutputKinds::Length, st.as);
    out.Text("st_stt", st.stt);
    out.Text("st_stb", st.stb);
    out.Text("st_sttc", st.sttc);
    out.Text("st_stbc", st.stbc);
    out.Text("st_stw", st.stw);
    out.Text("st_stx", st.stx);
    out.Real("st_angle", OutputKinds::Inclination, st.angle);
    out.Int("st_fLayMode", OutputKinds::Code, st.fLayMode);
    out.Int("st_fWeld", OutputKinds::Code, st.fWeld);
    out.Real("st_LWeld", OutputKinds::Length, st.LWeld);
    out.Real("st_LstWeld", OutputKinds::Length, st.LstWeld);
    out.Real("st_s", OutputKinds::Length, st.s);
    out.Int("st_fCalculateLarc", OutputKinds::Code, st.fCalculateLarc);
    out.Real("st_LeadPointR", OutputKinds::Length, st.LeadPointR);
    out.Real("st_LeadPointR2", OutputKinds::Length, st.LeadPointR2);

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
            frameOut.Reals("y", OutputKinds::Across, ys);
            frameOut.Ints("num", OutputKinds::Code, nums);
            frameOut.Ints("fDrawLM", OutputKinds::Code, drawn);
        } else {
            frameOut.Real("y", OutputKinds::Across, frame->y);
            frameOut.Int("num", OutputKinds::Code, frame->num);
            frameOut.Int("fDrawLM", OutputKinds::Code, frame->fDrawLM);
        }
        frameOut.Int("fsk", OutputKinds::Code, frame->fsk);
        frameOut.Int("sort", OutputKinds::Code, frame->sort);
        frameOut.Text("name", frame->name);
        for (int m = 0; m < frame->zt.GetSize(); ++m) {
            if (frame->zt[m]) frameOut.Reals(IndexedName("zt", m + 1, ""), OutputKinds::FromTop, *frame->zt[m]);
        }
        for (int m = 0; m < frame->zb.GetSize(); ++m) {
            if (frame->zb[m]) frameOut.Reals(IndexedName("zb", m + 1, ""), OutputKinds::Length, *frame->zb[m]);
        }
        frameOut.Reals("difL1", OutputKinds::Length, frame->difL1);
        frameOut.Reals("difL2", OutputKinds::Length, frame->difL2);
        frameOut.Reals("difL3", OutputKinds::Length, frame->difL3);
        frameOut.Reals("difL4", OutputKinds::Length, frame->difL4);
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
    out.Ints("Frame_n", OutputKinds::Count, counts);
    out.Reals("Frame_TL", OutputKinds::Length, lengths);

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
    out.Int("sg_type", OutputKinds::Code, sg.type);
    out.Real("sg_d", OutputKinds::Length, sg.d);
    out.Real("sg_a", OutputKinds::Length, sg.a);
    out.Real("sg_ac", OutputKinds::Length, sg.ac);
    out.Real("sg_Min", OutputKinds::Length, sg.Min);
    out.Real("sg_Max", OutputKinds::Length, sg.Max);
    out.Int("sg_fLayMode", OutputKinds::Code, sg.fLayMode);
    out.Real("sg_s", OutputKinds::Length, sg.s);
    out.Real("sg_s2", OutputKinds::Length, sg.s2);
    out.Int("sg_fenG", OutputKinds::Code, sg.fenG);
    out.Real("sg_s3", OutputKinds::Length, sg.s3);
    out.Real("sg_TBL", OutputKinds::Length, sg.TBL);
    out.Real("sg_TBR", OutputKinds::Length, sg.TBR);
    out.Int("sg_lns3", OutputKinds::Count, sg.lns3);
    out.Int("sg_rns3", OutputKinds::Count, sg.rns3);
    out.Ints("sg_ns", OutputKinds::Count, sg.ns);
    out.Int("sg_nasl", OutputKinds::Count, sg.nasl);
    out.Int("sg_nasr", OutputKinds::Count, sg.nasr);
    out.Reals("sg_as", OutputKinds::Length, sg.as);
    out.Ints("sg_lns2", OutputKinds::Count, sg.lns2);
    out.Ints("sg_rns2", OutputKinds::Count, sg.rns2);
    out.Int("sg_lXBns2", OutputKinds::Count, sg.lXBns2);
    out.Int("sg_rXBns2", OutputKinds::Count, sg.rXBns2);
    out.Int("sg_nAns", OutputKinds::Count, sg.nAns);
    out.Real("sg_b", OutputKinds::Length, sg.b);
    out.Real("sg_bMid", OutputKinds::Length, sg.bMid);
    out.Real("sg_Aas", OutputKinds::Amount, sg.Aas);
    out.Int("sg_HookedTpye", OutputKinds::Code, sg.HookedTpye);
    out.Real("sg_alf", OutputKinds::Inclination, sg.alf);
    out.Real("sg_RG", OutputKinds::Length, sg.RG);
    out.Real("sg_EL", OutputKinds::Length, sg.EL);

    // Stirrup groups: one record of each list per group, as far as the lists hold records.
    for (int i = 1; i <= XH.GetSize(); ++i) {
        if (i <= sg.sg1.GetSize()) {
            const M_sg1& r = sg.sg1[i - 1];
            WriteStirrupRecord(outputs, IndexedName("PM001_T0101_sg1[", i, "]_"), r, OutputKinds::Serial, "Nori", "Nend", r.Nori, r.Nend);
        }
        if (i <= sg.sg2.GetSize()) {
            const M_sg2& r = sg.sg2[i - 1];
            WriteStirrupRecord(outputs, IndexedName("PM001_T0101_sg2[", i, "]_"), r, OutputKinds::Count, "nl", "nr", r.nl, r.nr);
        }
        if (sg.fLayMode == 0 && i <= sg.sg3.GetSize()) {
            const M_sg3& r = sg.sg3[i - 1];
            WriteStirrupRecord(outputs, IndexedName("PM001_T0101_sg3[", i, "]_"), r, OutputKinds::Count, "nl", "nr", r.nl, r.nr);
        }
    }

    // Side-face bars.
    out.Int("sh_type", OutputKinds::Code, sh.type);
    out.Real("sh_Min", OutputKinds::Length, sh.Min);
    out.Real("sh_Max", OutputKinds::Length, sh.Max);
    out.Real("sh_d", OutputKinds::Length, sh.d);
    out.Real("sh_ac", OutputKinds::Length, sh.ac);
    out.Real("sh_a", OutputKinds::Length, sh.a);
    out.Int("sh_fLayMode", OutputKinds::Code, sh.fLayMode);
    out.Real("sh_s", OutputKinds::Length, sh.s);
    out.Real("sh_as", OutputKinds::Length, sh.as);
    out.Real("sh_HL", OutputKinds::Length, sh.HL);
    out.Real("sh_HR", OutputKinds::Length, sh.HR);
    out.Real("sh_HM", OutputKinds::Length, sh.HM);
    out.Real("sh_sl", OutputKinds::Length, sh.sl);
    out.Real("sh_sr", OutputKinds::Length, sh.sr);
    out.Real("sh_sm", OutputKinds::Length, sh.sm);
    out.Int("sh_ns", OutputKinds::Count, sh.ns);
    out.Real("sh_alf", OutputKinds::Inclination, sh.alf);
    out.Real("sh_RG", OutputKinds::Length, sh.RG);
    out.Real("sh_EL", OutputKinds::Length, sh.EL);
    out.Int("sh1_n", OutputKinds::Count, sh.sh1_n);
    out.Text("sh1_R", sh.sh1_R);
    out.Real("sh1_L", OutputKinds::Length, sh.sh1_L);
    out.Real("sh1_Lp", OutputKinds::Length, sh.sh1_Lp);
    out.Real("sh1_TL", OutputKinds::Length, sh.sh1_TL);
    out.Int("sh2_n", OutputKinds::Count, sh.sh2_n);
    out.Text("sh2_R", sh.sh2_R);
    out.Real("sh2_L", OutputKinds::Length, sh.sh2_L);
    out.Real("sh2_Lp", OutputKinds::Length, sh.sh2_Lp);
    out.Real("sh2_TL", OutputKinds::Length, sh.sh2_TL);

    // End-face bars.
    out.Int("sd_type", OutputKinds::Code, sd.type);
    out.Text("sd_R", sd.R);
    out.Real("sd_d", OutputKinds::Length, sd.d);
    out.Real("sd_ac", OutputKinds::Length, sd.ac);
    out.Real("sd_a", OutputKinds::Length, sd.a);
    out.Real("sd_a2", OutputKinds::Length, sd.a2);
    out.Real("sd_Min", OutputKinds::Length, sd.Min);
    out.Real("sd_Max", OutputKinds::Length, sd.Max);
    out.Real("sd_sl", OutputKinds::Length, sd.sl);
    out.Int("sd_nsl", OutputKinds::Count, sd.nsl);
    out.Real("sd_sr", OutputKinds::Length, sd.sr);
    out.Int("sd_nsr", OutputKinds::Count, sd.nsr);
    out.Int("sd_nl", OutputKinds::Count, sd.nl);
    out.Int("sd_nr", OutputKinds::Count, sd.nr);
    out.Int("sd_n", OutputKinds::Count, sd.n);
    out.Real("sd_L", OutputKinds::Length, sd.L);
    out.Real("sd_alf", OutputKinds::Inclination, sd.alf);
    out.Real("sd_EL", OutputKinds::Length, sd.EL);
    out.Real("sd_TL", OutputKinds::Length, sd.TL);

    // A prestressed cap beam ends with its tendons' values.
    if (JGType != 0 && m_pTendonAtom) m_pTendonAtom->OutPM00104AtomData(outputs);
}
