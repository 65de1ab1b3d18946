// Test helpers for the cap-beam reinforcement object: private access, a hand-built design, store/load.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"
#include "tendon/design_object.h"

#include <memory>
#include <utility>
#include <vector>

// Reaches the private parts of the object: its design steps, the skeleton steps the tests run one
// by one, the tendon ownership and the from-file flag.
class CPM001T0101AtomTestAccess {
public:
    // Design steps, in the driver's order.
    static int SetGZData(CPM001T0101Atom& atom, GZ_PM001Atom* gz) { return atom.SetGZData(gz); }
    static int SetKeyData(CPM001T0101Atom& atom, CPM001_CapKeyParam* kp) { return atom.SetKeyData(kp); }
    static int SetstData(CPM001T0101Atom& atom, CPM001_CapKeyParam* kp) { return atom.SetstData(kp); }
    static int SetsgData(CPM001T0101Atom& atom) { return atom.SetsgData(); }
    static int SetshData(CPM001T0101Atom& atom) { return atom.SetshData(); }
    static int SetsdData(CPM001T0101Atom& atom) { return atom.SetsdData(); }

    // Frame order and bar marks across frames.
    static int GetFramesort(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, IntArray& order)
    {
        return atom.GetFramesort(kp, order);
    }
    static int GetFrameRn(CPM001T0101Atom& atom, CArray<CPM001T0101Atom::singAr*>* bars, CStringArray& marks,
                          IntArray& counts)
    {
        return atom.GetFrameRn(bars, marks, counts);
    }
    static int GetfFrameRn(CPM001T0101Atom& atom, CStringArray& marksA, IntArray& countsA, CStringArray& marksB,
                           IntArray& countsB)
    {
        return atom.GetfFrameRn(marksA, countsA, marksB, countsB);
    }
    static int GetFramegjdsx(CPM001T0101Atom& atom, CArray<struct CPM001_CapKeyParam::FrameAr>& records, int a,
                             int b)
    {
        return atom.GetFramegjdsx(records, a, b);
    }

    // Frame contents and the support line of an arc.
    static void GetFrame(CPM001T0101Atom& atom, CPM001_CapKeyParam& kp, int i, CPM001T0101Atom::FrameAr& frame)
    {
        atom.GetFrame(kp, i, frame);
    }
    static int GetArcWQJdh(CPM001T0101Atom& atom, CPM001T0101Atom::singAr* bar, int i)
    {
        return atom.GetArcWQJdh(bar, i);
    }

    static void AdoptTendon(CPM001T0101Atom& atom, std::unique_ptr<CPM001T010401Atom> tendon)
    {
        atom.AdoptTendonAtom(std::move(tendon));
    }
    static std::unique_ptr<CPM001T010401Atom> TakeTendon(CPM001T0101Atom& atom) { return atom.TakeTendonAtom(); }
    static CPM001T010401Atom* Tendon(const CPM001T0101Atom& atom) { return atom.m_pTendonAtom.get(); }
    static void SetFromFile(CPM001T0101Atom& atom, int flag) { atom.fFromFile = flag; }
};

using AtomBytes = std::vector<unsigned char>;

// A design-built cap beam of three columns: two frames in the frame store with pooled bars,
// borrowed through bars and pooled station lists, a frame-table row, two schedule rows, stirrup
// groups and stirrup records, "sh" and "sd" values, and a value in every archived scalar. With
// jgType non-zero it is prestressed and holds the sample tendon object.
std::unique_ptr<CPM001T0101Atom> BuildSampleAtom(int jgType);

AtomBytes StoreAtom(CPM001T0101Atom& atom);
// Loads all of the bytes into atom; throws std::logic_error when bytes are left over.
void LoadAtom(CPM001T0101Atom& atom, const AtomBytes& bytes);
std::unique_ptr<CPM001T0101Atom> LoadedAtom(const AtomBytes& bytes);
