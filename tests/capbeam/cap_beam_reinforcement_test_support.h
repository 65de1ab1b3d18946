// Test helpers for the cap-beam reinforcement object: private access, a hand-built design, store/load.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"
#include "tendon/tendon_design_object.h"

#include <memory>
#include <utility>
#include <vector>

// Reaches the tendon ownership and the from-file flag of the object.
class CPM001T0101AtomTestAccess {
public:
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
