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

    out.Int("Index", OutputKinds::Serial, s.Index);
    out.Int("m", OutputKinds::Count, s.m);
    out.Int("n", OutputKinds::Count, s.n);
    out.Text("name", s.name);
    out.Reals("Y", OutputKinds::Across, s.Y);
    out.Text("YSeries", s.YSeries);
    out.Int("Ytype", OutputKinds::Code, s.Ytype);
    out.Text("YAlias", s.YAlias);
    out.Real("fpk", OutputKinds::Amount, s.fpk);
    out.Real("Yarea", OutputKinds::Amount, s.Yarea);
    out.Real("Ygama", OutputKinds::Amount, s.Ygama);
    out.Text("R", s.R);

    // The node columns; the deflection with four decimals.
    const CArray<M_LNode>& nodes = s.LNode;
    out.Texts("LNode_NR", NodeColumn<CString, CStringArray>(nodes, &M_LNode::NR));
    out.Ints("LNode_property", OutputKinds::Code, NodeColumn<int, CArray<int>>(nodes, &M_LNode::property));
    out.Reals("LNode_X", OutputKinds::Length, NodeColumn<double, CArray<double>>(nodes, &M_LNode::X));
    out.Ints("LNode_Refline", OutputKinds::Code, NodeColumn<int, CArray<int>>(nodes, &M_LNode::Refline));
    out.Reals("LNode_refZ", OutputKinds::TendonNode, NodeColumn<double, CArray<double>>(nodes, &M_LNode::refZ));
    out.Reals("LNode_Z", OutputKinds::TendonNode, NodeColumn<double, CArray<double>>(nodes, &M_LNode::Z));
    out.Reals("LNode_ZZ", OutputKinds::TendonNode, NodeColumn<double, CArray<double>>(nodes, &M_LNode::ZZ));
    out.Reals("LNode_R", OutputKinds::Length, NodeColumn<double, CArray<double>>(nodes, &M_LNode::R));
    out.Reals("LNode_alf", OutputKinds::Angle, NodeColumn<double, CArray<double>>(nodes, &M_LNode::alf), 4);
    out.Reals("LNode_T", OutputKinds::Length, NodeColumn<double, CArray<double>>(nodes, &M_LNode::T));
    out.Reals("LNode_S", OutputKinds::Length, NodeColumn<double, CArray<double>>(nodes, &M_LNode::S));
    out.Reals("LNode_E", OutputKinds::Length, NodeColumn<double, CArray<double>>(nodes, &M_LNode::E));

    out.Reals("L", OutputKinds::Length, s.L);
    out.Int("Ckline", OutputKinds::Code, s.Ckline);
    out.Int("Ckplace", OutputKinds::Code, s.Ckplace);
    out.Reals("Dsx", OutputKinds::Length, s.Dsx);
    out.Reals("Ysx", OutputKinds::Length, s.Ysx);
    out.Reals("YZ", OutputKinds::Length, s.YZ);
    out.Reals("X", OutputKinds::Length, s.X);
    out.Reals("Z", OutputKinds::Length, s.Z);
    out.Int("PT", OutputKinds::Code, s.PT);
    out.Int("FVPTL", OutputKinds::Code, s.FVPTL);
    out.Int("FVPTR", OutputKinds::Code, s.FVPTR);
    out.Int("FVPTLDL", OutputKinds::Code, s.FVPTLDL);
    out.Int("FVPTQPL", OutputKinds::Code, s.FVPTQPL);
    out.Int("FVPTLDR", OutputKinds::Code, s.FVPTLDR);
    out.Int("FVPTQPR", OutputKinds::Code, s.FVPTQPR);
    out.Real("PC", OutputKinds::Amount, s.PC);
    out.Real("PCT", OutputKinds::Amount, s.PCT);
    out.Real("cl_DEL", OutputKinds::Length, s.cl_DEL);
    out.Real("cl_ELL", OutputKinds::Length, s.cl_ELL);
    out.Real("cl_ELR", OutputKinds::Length, s.cl_ELR);
    out.Real("cl_TL", OutputKinds::Length, s.cl_TL);
    out.Real("cl_ES", OutputKinds::Length, s.cl_ES);
    out.Real("Mn", OutputKinds::Count, s.Mn);
    out.Real("Mng", OutputKinds::Count, s.Mng);
    out.Int("lMC", OutputKinds::EndType, s.lMC);
    out.Int("rMC", OutputKinds::EndType, s.rMC);

    // The material block: jack, duct, left and right anchorage.
    const pm001_tendon::M_SteelMat& c = s.cl;
    OutputWriter mat(map, prefix + "cl_");
    mat.Text("DSeries", c.DSeries);
    mat.Text("DSeriesIndex", c.DSeriesIndex);
    mat.Text("DAias", c.DAias);
    mat.Real("Dc", OutputKinds::Length, c.Dc);
    mat.Real("Dl", OutputKinds::Length, c.Dl);
    mat.Real("MDl", OutputKinds::Length, c.MDl);
    mat.Real("El", OutputKinds::Length, c.El);
    mat.Text("Bseries", c.Bseries);
    mat.Text("BseriesIndex", c.BseriesIndex);
    mat.Text("BAlias", c.BAlias);
    mat.Int("Btype", OutputKinds::Code, c.Btype);
    mat.Text("Bmat", c.Bmat);
    mat.Real("Bnd", OutputKinds::Length, c.Bnd);
    mat.Real("Bwd", OutputKinds::Length, c.Bwd);
    mat.Real("Bnh", OutputKinds::Length, c.Bnh);
    mat.Real("Bwh", OutputKinds::Length, c.Bwh);
    mat.Real("Bnw", OutputKinds::Length, c.Bnw);
    mat.Real("Bww", OutputKinds::Length, c.Bww);
    mat.Real("BL", OutputKinds::Length, c.BL);
    mat.Text("MLSeries", c.MLSeries);
    mat.Text("MLSeriesIndex", c.MLSeriesIndex);
    mat.Text("MLAlias", c.MLAlias);
    mat.Int("MLtype", OutputKinds::Code, c.MLtype);
    mat.Int("MLPT", OutputKinds::Code, c.MLPT);
    mat.Real("MLwidth", OutputKinds::Length, c.MLwidth);
    mat.Real("MLheight", OutputKinds::Length, c.MLheight);
    mat.Real("MLbd", OutputKinds::Length, c.MLbd);
    mat.Real("MLbw", OutputKinds::Length, c.MLbw);
    mat.Real("MLbh", OutputKinds::Length, c.MLbh);
    mat.Real("MLdd", OutputKinds::Length, c.MLdd);
    mat.Real("MLww", OutputKinds::Length, c.MLww);
    mat.Real("MLhh", OutputKinds::Length, c.MLhh);
    mat.Real("MLCapTH", OutputKinds::Length, c.MLCapTH);
    mat.Text("MRSeries", c.MRSeries);
    mat.Text("MRSeriesIndex", c.MRSeriesIndex);
    mat.Text("MRAlias", c.MRAlias);
    mat.Int("MRtype", OutputKinds::Code, c.MRtype);
    mat.Int("MRPT", OutputKinds::Code, c.MRPT);
    mat.Real("MRwidth", OutputKinds::Length, c.MRwidth);
    mat.Real("MRheight", OutputKinds::Length, c.MRheight);
    mat.Real("MRbd", OutputKinds::Length, c.MRbd);
    mat.Real("MRbw", OutputKinds::Length, c.MRbw);
    mat.Real("MRbh", OutputKinds::Length, c.MRbh);
    mat.Real("MRdd", OutputKinds::Length, c.MRdd);
    mat.Real("MRww", OutputKinds::Length, c.MRww);
    mat.Real("MRhh", OutputKinds::Length, c.MRhh);
    mat.Real("MRCapTH", OutputKinds::Length, c.MRCapTH);
}

void WriteSection(OutputDataMap& map, int i, const pm001_tendon::M_HD& h)
{
    OutputWriter out(map, IndexedName("PM001_T0104_HD[", i, "]_"));
    out.Real("hD", OutputKinds::Length, h.hD);
    out.Ints("VStatus", OutputKinds::Code, h.VStatus);
    out.Ints("FVwzh", OutputKinds::Code, h.FVwzh);
    out.Texts("TR", h.TR);
    out.Texts("TsR", h.TsR);
    out.Texts("BsR", h.BsR);
    out.Texts("BR", h.BR);
    out.Reals("Tx", OutputKinds::Length, h.Tx);
    out.Reals("Fs", OutputKinds::Length, h.Fs);
    out.Reals("Fx", OutputKinds::Length, h.Fx);
    out.Reals("Bx", OutputKinds::Length, h.Bx);
    out.Reals("TFs", OutputKinds::Length, h.TFs);
    out.Reals("BFx", OutputKinds::Length, h.BFx);
    out.Reals("Tz", OutputKinds::Length, h.Tz);
    out.Reals("Bz", OutputKinds::Length, h.Bz);
    out.Real("Tb", OutputKinds::Length, h.Tb);
    out.Real("Ba", OutputKinds::Length, h.Ba);
    out.Real("ms", OutputKinds::Length, h.ms);
}

void WritePlanGroup(OutputDataMap& map, int i, const pm001_tendon::M_QH& g)
{
    const CString prefix = IndexedName("PM001_T0104_QH[", i, "]_");
    OutputWriter out(map, prefix);
    out.Text("QHName", g.QHName);
    out.Text("QR", g.QR);
    out.Real("L", OutputKinds::Length, g.L);
    out.Int("N", OutputKinds::Count, g.N);
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
    out.Real("ib", OutputKinds::Length, ib);
    out.Real("dAc", OutputKinds::Length, dAc);
    CStringArray sectionLabels;
    for (int i = 0; i < enSection.GetSize(); ++i) sectionLabels.Add(FormatSerialLabel(enSection[i], 0));
    out.Texts("enSection", sectionLabels);
    out.Int("FVHP", OutputKinds::Code, FVHP);
    out.Real("fm", OutputKinds::Length, fm);
    out.Real("fmr", OutputKinds::Length, fmr);
    out.Int("fJGDC", OutputKinds::Code, fJGDC);
    out.Int("FVLH", OutputKinds::Code, FVLH);
    out.Int("nLH", OutputKinds::Count, nLH);
    out.Int("FVPM", OutputKinds::Code, FVPM);
    out.Int("FVcurve", OutputKinds::Code, FVcurve);
    out.Int("FVCkplace", OutputKinds::Code, FVCkplace);
    out.Int("FVys", OutputKinds::Code, FVys);
    out.Int("FVszb", OutputKinds::Code, FVszb);
    out.Real("js", OutputKinds::Length, js);
    out.Text("PSF", PSF);
    out.Int("FVleader", OutputKinds::Code, FVleader);
    out.Text("cU", cU);
    out.Ints("AnchorsFlag", OutputKinds::Code, AnchorsFlag);

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
    out.Ints("ZLNameAr_n", OutputKinds::Count, counts);
    out.Reals("fmxl", OutputKinds::Length, fmxl);
    out.Reals("fmxr", OutputKinds::Length, fmxr);

    // The section views, numbered from 1.
    for (std::size_t i = 0; i < HD.size(); ++i) {
        if (HD[i]) WriteSection(outputs, static_cast<int>(i) + 1, *HD[i]);
    }

    out.Reals("Ps", OutputKinds::Length, Ps);
    out.Reals("Pgdsl", OutputKinds::Length, Pgdsl);
    out.Reals("Pgdsr", OutputKinds::Length, Pgdsr);

    // The plan groups, numbered from 1, each with its overlap entries.
    for (std::size_t i = 0; i < QH.size(); ++i) {
        if (QH[i]) WritePlanGroup(outputs, static_cast<int>(i) + 1, *QH[i]);
    }

    // The quantity table.
    out.Texts("ZVer_plotR", ZVer_plotR);
    out.Text("szMEM", szMEM);
    out.Int("mul", OutputKinds::Count, mul);
    out.Int("SMM", OutputKinds::Count, SMM);
    out.Int("mul_SMM", OutputKinds::Count, mul_SMM);
    out.Text("szpar", szpar);
    out.Text("szint", szint);
    out.Reals("B_Bnd", OutputKinds::Length, B_Bnd);
    out.Texts("B_Bnh_Bnw", B_Bnh_Bnw);
    out.Texts("M_Alias", M_Alias);
    out.Int("SBtype", OutputKinds::Code, SBtype);
    out.Real("SBd", OutputKinds::Length, SBd);
    out.Real("Ldis", OutputKinds::Length, Ldis);
    out.Real("Cdis", OutputKinds::Length, Cdis);
    out.Int("SBL", OutputKinds::Length, SBL);
    out.Real("SBgame", OutputKinds::Amount, SBgame);
    out.Real("SBgama", OutputKinds::Amount, SBgama);
    out.Real("SBmass", OutputKinds::Amount, SBmass);
    out.Real("PY", OutputKinds::Amount, PY);
    out.Real("er", OutputKinds::Amount, er);
}
