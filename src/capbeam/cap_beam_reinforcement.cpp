// CPM001T0101Atom: construction, release of what the object owns, and the order of stirrup groups.
#include "capbeam/cap_beam_reinforcement.h"

#include "tendon/design_object.h"

#include <utility>

CPM001T0101Atom::CPM001T0101Atom() = default;

CPM001T0101Atom::~CPM001T0101Atom()
{
    // The tendon object goes first, told how its owner came to be.
    TakeTendonAtom();

    if (fFromFile) {
        // A loaded design owns its frames and frame-table rows through st.
        st.DeleteFrames();
        for (FrameAr& frame : FrameStore) frame.DeleteArrays();
        FrameStore.RemoveAll();
    }
    // A built design's records live in the pools and stores, which release them with the object;
    // the lists that only refer to them release nothing.
}

CPM001T0101Atom& CPM001T0101Atom::operator=(CPM001T0101Atom&& loaded) = default;

void CPM001T0101Atom::AdoptTendonAtom(std::unique_ptr<CPM001T010401Atom> tendon)
{
    TakeTendonAtom();
    m_pTendonAtom = std::move(tendon);
    st.pTendonAtom = m_pTendonAtom.get();
}

std::unique_ptr<CPM001T010401Atom> CPM001T0101Atom::TakeTendonAtom()
{
    if (m_pTendonAtom) m_pTendonAtom->fFromFile = fFromFile;
    st.pTendonAtom = nullptr;
    return std::move(m_pTendonAtom);
}

bool LessXHByFirst(const CapBeamRecords::M_XH& left, const CapBeamRecords::M_XH& right)
{
    return left.nA < right.nA;
}
