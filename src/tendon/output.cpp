// CPM001T010401Atom::OutPM00104AtomData: the tendons' named output values for the calculation report.
#include "tendon/design_object.h"

#include "host/prefixed_output.h"
#include "tendon/serial_label.h"

#include <utility>

namespace {

using OutputWriter = PrefixedOutput;

// One column of a tendon's elevation nodes, one element per node in node order.
template <class Value, class List, class Field>
List NodeColumn(const CArray<pm001_tendon::M_LNode>& nodes, Field field)
{
    List column;
    column.SetSize(nodes.GetSize());
    for (int k = 0; k < nodes.GetSize(); ++k) column[k] = Value(nodes[k].*field);
    return column;
}

void WriteTendon(OutputDataMap& map, int i, const pm001_tendon::M_Steel& s)
{
    using pm001_tendon::M_LNode;
    const CString prefix = IndexedName("PM001_T0104_Steel[", i, "]_");
    OutputWriter out(map, prefix);

    out.Int("Index", s.Index);
    out.Int("m", s.m);
    out.Int("n", s.n);
    out.Text("name", s.name);
    out.Reals("Y", s.Y);
    out.Text("YSeries", s.YSeries);
    out.Int("Ytype", s.Ytype);
    out.Text("YAlias", s.YAlias);
    out.Real("fpk", s.fpk);
    out.Real("Yarea", s.Yarea);
    out.Real("Ygama", s.Ygama);
    out.Text("R", s.R);

    // The node columns; the deflection with four decimals.
    const CArray<M_LNode>& nodes = s.LNode;
    out.Texts("LNode_NR", NodeColumn<CString, CStringArray>(nodes, &M_LNode::NR));
    out.Ints("LNode_property", NodeColumn<int, CArray<int>>(nodes, &M_LNode::property));
    out.Reals("LNode_X", NodeColumn<double, CArray<double>>(nodes, &M_LNode::X));
    out.Ints("LNode_Refline", NodeColumn<int, CArray<int>>(nodes, &M_LNode::Refline));
    out.Reals("LNode_refZ", NodeColumn<double, CArray<double>>(nodes, &M_LNode::refZ));
    out.Reals("LNode_Z", NodeColumn<double, CArray<double>>(nodes, &M_LNode::Z));
    out.Reals("LNode_ZZ", NodeColumn<double, CArray<double>>(nodes, &M_LNode::ZZ));
    out.Reals("LNode_R", NodeColumn<double, CArray<double>>(nodes, &M_LNode::R));
    out.Reals("LNode_alf", NodeColumn<double, CArray<double>>(nodes, &M_LNode::alf), 4);
    out.Reals("LNode_T", NodeColumn<double, CArray<double>>(nodes, &M_LNode::T));
    out.Reals("LNode_S", NodeColumn<double, CArray<double>>(nodes, &M_LNode::S));
    out.Reals("LNode_E", NodeColumn<double, CArray<double>>(nodes, &M_LNode::E));

    out.Reals("L", s.L);
    out.Int("Ckline", s.Ckline);
    out.Int("Ckplace", s.Ckplace);
    out.Reals("Dsx", s.Dsx);
    out.Reals("Ysx", s.Ysx);
    out.Reals("YZ", s.YZ);
    out.Reals("X", s.X);
    out.Reals("Z", s.Z);
    out.Int("PT", s.PT);
    out.Int("FVPTL", s.FVPTL);
    out.Int("FVPTR", s.FVPTR);
    out.Int("FVPTLDL", s.FVPTLDL);
    out.Int("FVPTQPL", s.FVPTQPL);
    out.Int("FVPTLDR", s.FVPTLDR);
    out.Int("FVPTQPR", s.FVPTQPR);
    out.Real("PC", s.PC);
    out.Real("PCT", s.PCT);
    out.Real("cl_DEL", s.cl_DEL);
    out.Real("cl_ELL", s.cl_ELL);
    out.Real("cl_ELR", s.cl_ELR);
    out.Real("cl_TL", s.cl_TL);
    out.Real("cl_ES", s.cl_ES);
    out.Real("Mn", s.Mn);
    out.Real("Mng", s.Mng);
    out.Int("lMC", s.lMC);
    out.Int("rMC", s.rMC);

    // The material block: jack, duct, left and right anchorage.
    const pm001_tendon::M_SteelMat& c = s.cl;
    OutputWriter mat(map, prefix + "cl_");
    mat.Text("DSeries", c.DSeries);
    mat.Text("DSeriesIndex", c.DSeriesIndex);
    mat.Text("DAias", c.DAias);
    mat.Real("Dc", c.Dc);
    mat.Real("Dl", c.Dl);
    mat.Real("MDl", c.MDl);
    mat.Real("El", c.El);
    mat.Text("Bseries", c.Bseries);
    mat.Text("BseriesIndex", c.BseriesIndex);
    mat.Text("BAlias", c.BAlias);
    mat.Int("Btype", c.Btype);
    mat.Text("Bmat", c.Bmat);
    mat.Real("Bnd", c.Bnd);
    mat.Real("Bwd", c.Bwd);
    mat.Real("Bnh", c.Bnh);
    mat.Real("Bwh", c.Bwh);
    mat.Real("Bnw", c.Bnw);
    mat.Real("Bww", c.Bww);
    mat.Real("BL", c.BL);
    mat.Text("MLSeries", c.MLSeries);
    mat.Text("MLSeriesIndex", c.MLSeriesIndex);
    mat.Text("MLAlias", c.MLAlias);
    mat.Int("MLtype", c.MLtype);
    mat.Int("MLPT", c.MLPT);
    mat.Real("MLwidth", c.MLwidth);
    mat.Real("MLheight", c.MLheight);
    mat.Real("MLbd", c.MLbd);
    mat.Real("MLbw", c.MLbw);
    mat.Real("MLbh", c.MLbh);
    mat.Real("MLdd", c.MLdd);
    mat.Real("MLww", c.MLww);
    mat.Real("MLhh", c.MLhh);
    mat.Real("MLCapTH", c.MLCapTH);
    mat.Text("MRSeries", c.MRSeries);
    mat.Text("MRSeriesIndex", c.MRSeriesIndex);
    mat.Text("MRAlias", c.MRAlias);
    mat.Int("MRtype", c.MRtype);
    mat.Int("MRPT", c.MRPT);
    mat.Real("MRwidth", c.MRwidth);
    mat.Real("MRheight", c.MRheight);
    mat.Real("MRbd", c.MRbd);
    mat.Real("MRbw", c.MRbw);
    mat.Real("MRbh", c.MRbh);
    mat.Real("MRdd", c.MRdd);
    mat.Real("MRww", c.MRww);
    mat.Real("MRhh", c.MRhh);
    mat.Real("MRCapTH", c.MRCapTH);
}

void WriteSection(OutputDataMap& map, int i, const pm001_tendon::M_HD& h)
{
    OutputWriter out(map, IndexedName("PM001_T0104_HD[", i, "]_"));
    out.Real("hD", h.hD);
    out.Ints("VStatus", h.VStatus);
    out.Ints("FVwzh", h.FVwzh);
    out.Texts("TR", h.TR);
    out.Texts("TsR", h.TsR);
    out.Texts("BsR", h.BsR);
    out.Texts("BR", h.BR);
    out.Reals("Tx", h.Tx);
    out.Reals("Fs", h.Fs);
    out.Reals("Fx", h.Fx);
    out.Reals("Bx", h.Bx);
    out.Reals("TFs", h.TFs);
    out.Reals("BFx", h.BFx);
    out.Reals("Tz", h.Tz);
    out.Reals("Bz", h.Bz);
    out.Real("Tb", h.Tb);
    out.Real("Ba", h.Ba);
    out.Real("ms", h.ms);
}

void WritePlanGroup(OutputDataMap& map, int i, const pm001_tendon::M_QH& g)
{
    const CString prefix = IndexedName("PM001_T0104_QH[", i, "]_");
    OutputWriter out(map, prefix);
    out.Text("QHName", g.QHName);
    out.Text("QR", g.QR);
    out.Real("L", g.L);
    out.Int("N", g.N);
    out.Texts("SR", g.SR);
    out.Texts("SDR", g.SDR);
    for (std::size_t j = 0; j < g.Roverlap.size(); ++j) {
        if (!g.Roverlap[j]) continue;
        out.Texts(IndexedName("Roverlap[", static_cast<int>(j) + 1, "]"), g.Roverlap[j]->OverlapR);
    }
}

} // namespace

void CPM001T010401Atom::OutPM00104AtomData(OutputDataMap& outputs)
{
    OutputWriter out(outputs, "PM001_T0104_");

    // The object's first members.
    out.Real("ib", ib);
    out.Real("dAc", dAc);
    CStringArray sectionLabels;
    for (int i = 0; i < enSection.GetSize(); ++i) sectionLabels.Add(FormatSerialLabel(enSection[i], 0));
    out.Texts("enSection", sectionLabels);
    out.Int("FVHP", FVHP);
    out.Real("fm", fm);
    out.Real("fmr", fmr);
    out.Int("fJGDC", fJGDC);
    out.Int("FVLH", FVLH);
    out.Int("nLH", nLH);
    out.Int("FVPM", FVPM);
    out.Int("FVcurve", FVcurve);
    out.Int("FVCkplace", FVCkplace);
    out.Int("FVys", FVys);
    out.Int("FVszb", FVszb);
    out.Real("js", js);
    out.Text("PSF", PSF);
    out.Int("FVleader", FVleader);
    out.Text("cU", cU);
    out.Ints("AnchorsFlag", AnchorsFlag);

    // The tendons, numbered from 1.
    for (std::size_t i = 0; i < Steel.size(); ++i) {
        if (Steel[i]) WriteTendon(outputs, static_cast<int>(i) + 1, *Steel[i]);
    }

    // The name-and-count pairs of the elevation, as two columns.
    CStringArray names;
    CArray<int> counts;
    for (int k = 0; k < ZLNameAr.GetSize(); ++k) {
        names.Add(ZLNameAr[k].name);
        counts.Add(ZLNameAr[k].n);
    }
    out.Texts("ZLNameAr_name", names);
    out.Ints("ZLNameAr_n", counts);
    out.Reals("fmxl", fmxl);
    out.Reals("fmxr", fmxr);

    // The section views, numbered from 1.
    for (std::size_t i = 0; i < HD.size(); ++i) {
        if (HD[i]) WriteSection(outputs, static_cast<int>(i) + 1, *HD[i]);
    }

    out.Reals("Ps", Ps);
    out.Reals("Pgdsl", Pgdsl);
    out.Reals("Pgdsr", Pgdsr);

    // The plan groups, numbered from 1, each with its overlap entries.
    for (std::size_t i = 0; i < QH.size(); ++i) {
        if (QH[i]) WritePlanGroup(outputs, static_cast<int>(i) + 1, *QH[i]);
    }

    // The quantity table.
    out.Texts("ZVer_plotR", ZVer_plotR);
    out.Text("szMEM", szMEM);
    out.Int("mul", mul);
    out.Int("SMM", SMM);
    out.Int("mul_SMM", mul_SMM);
    out.Text("szpar", szpar);
    out.Text("szint", szint);
    out.Reals("B_Bnd", B_Bnd);
    out.Texts("B_Bnh_Bnw", B_Bnh_Bnw);
    out.Texts("M_Alias", M_Alias);
    out.Int("SBtype", SBtype);
    out.Real("SBd", SBd);
    out.Real("Ldis", Ldis);
    out.Real("Cdis", Cdis);
    out.Int("SBL", SBL);
    out.Real("SBgame", SBgame);
    out.Real("SBgama", SBgama);
    out.Real("SBmass", SBmass);
    out.Real("PY", PY);
    out.Real("er", er);
}
