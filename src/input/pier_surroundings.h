// What the pier's origin data and design record read of the component that holds them: the
// foundation's objects, the road, the pier's label, the project and the input object the pier was
// received from. The component makes this value when it hands work to them; the pointers stay valid
// while the component and its host's objects do.
#pragma once

class CPM001;
class CPG001org;
class CPG002org;
class CPG003org;
class CPG003Atom;
class CProjectManager;
class CRoadNorm;

struct PierSurroundings {
    int nFoundationKind = 0;                       // 0 spread footing, 1 piles, 2 pile cap
    CPG001org* pFootingOrg = nullptr;
    CPG002org* pPileOrg = nullptr;
    CPG003org* pPileCapOrg = nullptr;
    const CPG003Atom* pPileCapAtom = nullptr;      // the designed pile cap
    int nPileCapVariant = 1;                       // pile-cap body: 0, 1 or 2
    int nPileCapJoint = 1;                         // 0 transition object, 1 own joint object
    CRoadNorm* pRoad = nullptr;
    int nLabel = 0;                                // the pier's label on the road
    CProjectManager* pProjectManager = nullptr;
    const CPM001* pInput = nullptr;                // the input object the pier was received from
};
