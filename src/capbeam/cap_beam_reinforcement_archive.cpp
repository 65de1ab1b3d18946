// CPM001T0101Atom::SerializeDesignData: the cap beam's section of the design archive, item by item.
#include "capbeam/cap_beam_reinforcement.h"

#include "capbeam/records/archive.h"
#include "mfc/carchive.h"
#include "tendon/design_object.h"

#include <memory>
#include <utility>

void CPM001T0101Atom::SerializeDesignData(CArchive& ar)
{
    if (ar.IsStoring()) {
        DesignItems(ar);
        return;
    }
    // Read the whole section into a fresh object first: a damaged archive then leaves this one
    // untouched, and the half-read records go with the fresh object.
    auto loaded = std::make_unique<CPM001T0101Atom>();
    loaded->fFromFile = 1;
    loaded->DesignItems(ar);
    TakeTendonAtom();   // the tendon object held so far goes, told that its owner was built or loaded
    *this = std::move(*loaded);
}

void CPM001T0101Atom::DesignItems(CArchive& ar)
{
    using namespace CapBeamRecords::archive;

    Fields(ar, PMorPT);                                                          // 1
    Fields(ar, hXbl, hXbr, a, lWg, bBg, iLb, iRb, hHpl, hHpr, bBpr, bBpl);      // 2
    Fields(ar, bBz);                                                             // 3
    Fields(ar, bBzl, bBzr, bAc, hHgl, bRec, lRec, D, R, X, Y, lCzf, lCzb, B, V); // 4
    Fields(ar, SectionType, ColumnSectionType);                                  // 5
    Fields(ar, vP, dGZ1, dGZ2, dGZ3, dGZ4);                                      // 6
    Fields(ar, nGZ1, fHaveBedStonef, TextStyleMode, fSkewFrames, JGType, nPier); // 7
    Fields(ar, HDM);                                                             // 8
    enSection.Serialize(ar);                                                     // 9
    Fields(ar, fBearAndMidSpan);                                                 // 10
    fDM.Serialize(ar);                                                           // 11
    Fields(ar, ConLabel, PierCapConGra, Vcon);                                   // 12 to 14
    Fields(ar, fCrossContour, fSymmetry, fZT, enPSection, fDistribute, fPosSdAndSt, fPosShAndSg,
           fVartc);                                                              // 15
    Fields(ar, aPl, aPr);                                                        // 16
    Fields(ar, fTuncateRibLM, fNoteFormDM, fNoteFormSK);                         // 17
    Fields(ar, FramePaneWidth);                                                  // 18
    Member(ar, "st", st);                                                        // 19
    if (JGType != 0) TendonBlock(ar);                                            // 20
    ValueRecords(ar, "XH", XH, kPairBytes);                                      // 21, stored sorted
    Member(ar, "sg", sg);                                                        // 22
    Member(ar, "sh", sh);                                                        // 23
    Member(ar, "sd", sd);                                                        // 24
    Fields(ar, nInclMarks);                                                      // 25
}

void CPM001T0101Atom::TendonBlock(CArchive& ar)
{
    const CArchive::Record named(ar, "the tendons' design", CArchive::Record::object);
    if (ar.IsStoring()) {
        if (m_pTendonAtom) {
            m_pTendonAtom->SerializeDesignData(ar);
        } else {
            CPM001T010401Atom empty;
            empty.SerializeDesignData(ar);
        }
        return;
    }
    AdoptTendonAtom(std::make_unique<CPM001T010401Atom>());
    m_pTendonAtom->SerializeDesignData(ar);
}
