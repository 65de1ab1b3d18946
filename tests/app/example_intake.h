// Test support: a sample project taken in as the host attaches it, up to the pier's origin data.
#pragma once

#include "project_file.h"

#include "input/pier_origin_data.h"
#include "module/pier_component.h"
#include "siblings/pile_cap.h"
#include "siblings/pile_foundation.h"
#include "siblings/spread_footing.h"

#include <gtest/gtest.h>

#include <memory>

// The component as the host attaches it to a loaded project, with the foundation's origin object
// of the project's kind filled first, as receiving input does; then the pier's origin data.
struct IntakeOf {
    explicit IntakeOf(Project& project)
    {
        component.SetID(project.componentId);
        component.SetLabel(project.label);
        component.SetProjectManager(&project.projectManager);
        component.SetRoadNorm(&project.road);
        component.SetUIComponent(&project.input);
        switch (project.input.nFoundationType) {
        case 2:
            component.m_pFootingOrg = std::make_unique<CPG001org>();
            EXPECT_EQ(component.m_pFootingOrg->SetData(project.componentId, &project.input.m_Footing, nullptr), 1);
            break;
        case 0:
            component.m_pPileOrg = std::make_unique<CPG002org>();
            EXPECT_EQ(component.m_pPileOrg->SetData(&project.input.m_Pile), 1);
            break;
        case 1:
            component.m_pPileCapOrg = std::make_unique<CPG003org>();
            EXPECT_EQ(component.m_pPileCapOrg->SetData(project.componentId, &project.input.m_PileCap), 1);
            break;
        default:
            ADD_FAILURE() << "unexpected foundation selector";
        }
        const PierSurroundings around = component.Surroundings();
        EXPECT_EQ(org.SetData(project.componentId, &project.input, &around), 1);
    }

    CPM001Norm component;
    CPM001org org;
};
