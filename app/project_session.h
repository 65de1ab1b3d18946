// ProjectSession: one component driven as the suite's host drives it, for one loaded project.
#pragma once

#include "project_container.h"
#include "project_data.h"

#include "calc/pm001_key_param.h"
#include "host/component_norm.h"
#include "host/output_data.h"

#include <memory>
#include <optional>

// The component is created by its code through the host's registry (the module must have
// registered it), attached to the project's objects and initialised. Every step returns the
// component's own result; archive failures throw the archive exception.
class ProjectSession {
public:
    static constexpr int kPierComponentCode = 1048597;

    // A component attached to project, which must outlive the session. Throws std::runtime_error
    // when no component of that code is registered or its class cannot be created.
    explicit ProjectSession(Project& project, int code = kPierComponentCode);
    // A fresh component for stored data: initialised, attached to nothing.
    explicit ProjectSession(int code = kPierComponentCode);

    CComponentNorm& Component() { return *m_component; }

    // Receives the input object's data; then hands the engine key parameters written into the project.
    int Receive();
    int Diagnose();
    // keyParam, when given, are the key parameters just read from the project's source for this
    // design: the engine takes them instead of reading the source again. Without them it reads it.
    int Design(std::optional<CPM001KeyParam> keyParam = std::nullopt);
    // The host's redesign request after a design: the pier designed again from the key parameters
    // the user adjusted (the designed ones when none were adjusted).
    int Redesign();
    OutputDataMap Output();

    // The host's requests on a designed pier, each the component's own operation.
    // A named query: 1 answered (value written), 0 unknown or unanswerable (value as passed).
    int Query(const CString& name, CString& value);
    int Draw();
    int DrawAdjust();
    void PreparePaper();
    int Adjust();

    ComponentDataSets Store();
    // Loads the three data sets into this (fresh) component, each through an archive whose
    // GetFormatVersion() is sets.version. Throws the archive exception when a set is short or
    // damaged, or std::runtime_error when bytes are left over after a set.
    void Load(const ComponentDataSets& sets);

private:
    void Create(int code);

    Project* m_project = nullptr;
    std::unique_ptr<CComponentNorm> m_component;
};
