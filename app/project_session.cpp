// Creation of the component through the registry and the host's order of calls on it.
#include "project_session.h"

#include "calc/p2_calc.h"
#include "calc/pm001_calc.h"
#include "host/register_p2.h"
#include "mfc/carchive.h"

#include <stdexcept>
#include <utility>

void ProjectSession::Create(int code)
{
    CRuntimeClass* cls = FindComponentClass(code);
    if (!cls) throw std::runtime_error("no component with code " + std::to_string(code) + " is registered");
    std::unique_ptr<CObject> object(cls->CreateObject());
    auto* component = dynamic_cast<CComponentNorm*>(object.get());
    if (!component) throw std::runtime_error(std::string("class ") + cls->m_lpszClassName + " is not a component");
    object.release();
    m_component.reset(component);
}

ProjectSession::ProjectSession(Project& project, int code) : m_project(&project)
{
    Create(code);
    m_component->SetID(project.componentId);
    m_component->SetLabel(project.label);
    m_component->SetProjectManager(&project.projectManager);
    m_component->SetRoadNorm(&project.road);
    m_component->SetUIComponent(&project.input);
    m_component->InitialUpdate();
}

ProjectSession::ProjectSession(int code)
{
    Create(code);
    m_component->InitialUpdate();
}

int ProjectSession::Receive()
{
    const int received = m_component->ReceiveData();
    // Receiving input makes a new calculation object: key parameters written into the project go to it.
    if (m_project && !m_project->keyParameters.inlineJson.empty())
        if (auto* calc = dynamic_cast<CP2Calc*>(m_component->GetCalcData()))
            calc->SetKeyParamText(CString(m_project->keyParameters.inlineJson));
    return received;
}

int ProjectSession::Diagnose() { return m_component->DoDiagnose(); }

int ProjectSession::Design(std::optional<CPM001KeyParam> keyParam)
{
    auto* calc = dynamic_cast<CPM001Calc*>(m_component->GetCalcData());
    if (!calc || !keyParam) return m_component->DoDesign();
    calc->SetKeyParamForNextDesign(std::move(keyParam));
    const int designed = m_component->DoDesign();
    calc->SetKeyParamForNextDesign(std::nullopt);   // a set this design did not take is not the next one's
    return designed;
}

int ProjectSession::Redesign() { return m_component->Redesign(); }

int ProjectSession::Query(const CString& name, CString& value) { return m_component->GetValueByName(name, value); }

int ProjectSession::Draw() { return m_component->DoDraw(); }

int ProjectSession::DrawAdjust() { return m_component->DoDrawAdjust(); }

void ProjectSession::PreparePaper() { m_component->PreparePaper(); }

int ProjectSession::Adjust() { return m_component->Adjust(); }

OutputDataMap ProjectSession::Output()
{
    OutputDataMap outputs;
    m_component->OutputData(outputs);
    outputs.Order();   // handed over in name order, ready to be read
    return outputs;
}

ComponentDataSets ProjectSession::Store()
{
    ComponentDataSets sets;
    {
        CArchive ar(sets.origin, CArchive::store);
        m_component->SerializeOriginData(ar);
    }
    {
        CArchive ar(sets.design, CArchive::store);
        m_component->SerializeDesignData(ar);
    }
    {
        CArchive ar(sets.adjustment, CArchive::store);
        m_component->SerializeAdjustData(ar);
    }
    return sets;
}

namespace {

// Loads one set through an archive that carries the version the sets were stored in down to every record.
template <class Step>
void loadSet(const std::vector<unsigned char>& bytes, std::uint32_t version, const char* name, Step step)
{
    CArchive ar(bytes.data(), bytes.size());
    ar.SetFormatVersion(version);
    try {
        step(ar);
    } catch (const CArchiveException& e) {
        throw std::runtime_error(std::string("the ") + name + " data set is damaged: " + e.what());
    }
    if (ar.GetRemaining() != 0) {
        std::string message = std::string("the ") + name + " data set holds " + std::to_string(ar.GetRemaining()) +
                              " bytes more than the component reads";
        const std::string suspects = ar.RecordsSinceMark();
        if (!suspects.empty())
            message += "; " + suspects + " may have read fewer bytes than were stored, or the bytes were added after them";
        throw std::runtime_error(message);
    }
}

} // namespace

void ProjectSession::Load(const ComponentDataSets& sets)
{
    loadSet(sets.origin, sets.version, "origin", [&](CArchive& ar) { m_component->SerializeOriginData(ar); });
    loadSet(sets.design, sets.version, "design", [&](CArchive& ar) { m_component->SerializeDesignData(ar); });
    loadSet(sets.adjustment, sets.version, "adjustment", [&](CArchive& ar) { m_component->SerializeAdjustData(ar); });
}
