// CPM001DS01Atom: the design object of the pier's seismic stopper blocks and bearing pedestals.
#pragma once

#include "host/live_count.h"
#include "host/output_data.h"
#include "mfc/cobject.h"
#include "siblings/stopper_pedestal.h"

#include <memory>

class CArchive;
class CPM001Atom;

// Wraps the stopper-and-pedestal module's design object so that the pier can create, fill, archive
// and report it like its own design objects, and keeps the pedestal mesh layers of the two bearing
// rows for the drawing data.
class CPM001DS01Atom : public CObject {
public:
    CPM001DS01Atom();
    ~CPM001DS01Atom() override;

    // Creates the module's design object and fills it from the hand-over record and the key
    // parameters. When the module refuses them, returns 0 with the new object kept and the key
    // values unchanged; otherwise takes over the key values and returns 1. The design record is
    // not read.
    int SetData(const CPM001Atom* atom, GZ_GENERAL_PG006* general, const CPG006KeyParam* keyParam);

    // Storing: the module object's design data (the form of an unfilled one when there is none, so
    // the design data set keeps its layout), then m_nKeyValueA and m_nKeyValueB (int each).
    // Loading: a new module object reads itself, then the two ints; a load that fails throws the
    // archive exception and leaves the wrapper as it was.
    void SerializeDesignData(CArchive& ar);

    // Enters the module object's output values; without a module object, nothing.
    void OutData(OutputDataMap& outputs) const;

    std::unique_ptr<CPG006Atom> m_pPG006Atom;   // the module's design object, null until filled or loaded
    int m_nKeyValueA = 0;                       // mesh layers of a front-row pedestal
    int m_nKeyValueB = 0;                       // mesh layers of a back-row pedestal

private:
    LiveCount<CPM001DS01Atom> m_live;
};
