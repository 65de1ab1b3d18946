// A small pier as the host enters it, with the component, road and project around it, for the intake tests.
#pragma once

#include "host/cpm001_input.h"
#include "host/project_manager.h"
#include "host/road_norm.h"
#include "input/pier_origin_data.h"
#include "module/pier_component.h"
#include "siblings/pile_cap.h"
#include "siblings/spread_footing.h"

#include <memory>

// Three circular columns (D 1400) at 1500 from each end and 6500 apart: cap length 16000.
// Cap 1800 wide, 1600 high, its width centre 100 off the pier centre line; top 100.0 m at the
// control section 8000 from the left end; column bottoms at 90.0 m. Piles under it. No skew.
struct PierInputCase {
    static constexpr int kLabel = 7;

    CPM001 input;
    CRoadNorm road;
    CProjectManager manager;
    CPM001Norm component;

    PierInputCase()
    {
        component.SetLabel(kLabel);
        component.SetRoadNorm(&road);
        component.SetProjectManager(&manager);
        component.SetUIComponent(&input);

        input.nStructureType = 1;
        input.nFoundationType = 0;
        input.bAg = 5000.0;
        input.LG = 100.0;
        input.bBzl = 1500.0;
        input.bBzr = 1500.0;
        input.bBz = "2*6500";
        input.nColumnShape = 0;
        input.D = 1400.0;
        input.bRec = 1600.0;
        input.lRec = 1200.0;
        input.zZct = 90.0;
        input.nSlopeMode = 1;
        input.bAc = 8000.0;
        input.zGl = 100.0;
        input.iLb = 2.0;
        input.iRb = 2.0;
        input.B = 1800.0;
        input.hHgl = 1600.0;
        input.hXbl = 1200.0;
        input.bBpl = 2500.0;
        input.hXbr = 1200.0;
        input.bBpr = 2500.0;
    }

    // The component's surroundings as the component hands them to the origin data, made anew.
    const PierSurroundings* Surroundings()
    {
        around = component.Surroundings();
        return &around;
    }
    PierSurroundings around;

    void SetSkew(double radians) { road.GetRoadPierSpanAssign()->SetPierSkewAngle(kLabel, radians); }

    // A fresh origin object filled from the input; SetData must report 1.
    std::unique_ptr<CPM001org> Intake()
    {
        auto org = std::make_unique<CPM001org>();
        const PierSurroundings around = component.Surroundings();
        const int done = org->SetData(1, &input, &around);
        return done == 1 ? std::move(org) : nullptr;
    }
};
