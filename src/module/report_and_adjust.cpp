// CPM001Norm: the cap beam's calculation report, the pier's user-adjustment tool and their paths.
#include "module/pier_component.h"

#include "calc/pm001_calc.h"
#include "calc/pm001_paper_date.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "drawing/user_adjust.h"
#include "host/project_manager.h"

#include <memory>

namespace {

template <class TO, class FROM>
void CopyList(const FROM& from, TO& to)
{
    to.SetSize(from.GetSize());
    for (int i = 0; i < from.GetSize(); ++i) to[i] = from[i];
}

} // namespace

void CPM001Norm::SetCapTendonPaperData(const CPM001T0101Atom& cap, CPM001_CapTendon& paper)
{
    paper.sh_a = cap.sh.a;
    paper.sh1_n = cap.sh.sh1_n;
    paper.sh2_n = cap.sh.sh2_n;
    CopyList(cap.sg.ns, paper.sg_ns);
    paper.sg_nasl = cap.sg.nasl;
    paper.sg_nasr = cap.sg.nasr;
    CopyList(cap.sg.as, paper.sg_as);
    CopyList(cap.sg.lns2, paper.sg_lns2);
    CopyList(cap.sg.rns2, paper.sg_rns2);
    CopyList(cap.sg.asType, paper.sg_asType);
    paper.sg_lXBns2 = cap.sg.lXBns2;
    paper.sg_rXBns2 = cap.sg.rXBns2;
    paper.sg_nAns = cap.sg.nAns;
    paper.sg_b = cap.sg.b;
    paper.sg_bMid = cap.sg.bMid;
    paper.sg_Aas = cap.sg.Aas;
}

void CPM001Norm::PreparePaper()
{
    // The report is the cap beam's: without its design, or without the engine, there is nothing to prepare.
    if (!m_pCalc || !m_pCapBeamAtom) return;

    auto paper = std::make_unique<CPM001_PaperDate>();
    paper->m_pCapTendon = std::make_unique<CPM001_CapTendon>();
    SetCapTendonPaperData(*m_pCapBeamAtom, *paper->m_pCapTendon);
    // The engine reports why when it cannot prepare the report. The report document itself
    // (GetPaperTemplatePath, GetPaperDocumentPath) is not written by the component.
    m_pCalc->PreparePaper(*paper);
}

int CPM001Norm::Adjust()
{
    if (!GetProjectManager()) return 0;
    CString path = GetAdjustDataPath();
    return AdjustPM001(path, m_pCalc.get(), this);
}

CString CPM001Norm::GetAdjustDataPath() const
{
    const CProjectManager* project = GetProjectManager();
    if (!project) return CString();
    CString path;
    path.Format("%s%s%s%s%u%s", project->GetProjectPath().GetString(), project->GetProjectName().GetString(), "\\",
                "dat\\", GetID(), ".dat");
    return path;
}

CString CPM001Norm::GetPaperTemplatePath() const
{
    const CProjectManager* project = GetProjectManager();
    if (!project) return CString();
    return project->GetSystemPath() + "Template\\paper\\pm001\\pm001.docx";
}

CString CPM001Norm::GetPaperDocumentPath() const
{
    const CProjectManager* project = GetProjectManager();
    if (!project) return CString();
    return project->GetProjectPath() + project->GetProjectName() + "\\计算书\\" + project->GetProjectName() + ".docx";
}
