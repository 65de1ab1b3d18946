// Test helpers for the stirrups and the "sh" and "sd" bar sets.
#include "capbeam/stirrups/bar_set_steps_test_support.h"

#include "capbeam/cap_beam_reinforcement_test_support.h"

#include <memory>

int RunSetsgData(CPM001T0101Atom& atom)
{
    return CPM001T0101AtomTestAccess::SetsgData(atom);
}

int RunSetshData(CPM001T0101Atom& atom)
{
    return CPM001T0101AtomTestAccess::SetshData(atom);
}

int RunSetsdData(CPM001T0101Atom& atom)
{
    return CPM001T0101AtomTestAccess::SetsdData(atom);
}

void AddFrames(CPM001T0101Atom& atom, std::initializer_list<double> ys)
{
    for (double y : ys) {
        auto frame = std::make_unique<CPM001T0101Atom::FrameAr>();
        frame->y = y;
        frame->num = atom.st.Frame.GetSize() + 1;
        atom.st.Frame.AddOwned(std::move(frame));
    }
}

void AddGroups(CPM001T0101Atom& atom, std::initializer_list<std::pair<int, int>> groups)
{
    for (const auto& [first, last] : groups) {
        CPM001T0101Atom::M_XH pair;
        pair.nA = first;
        pair.nB = last;
        atom.XH.Add(pair);
    }
}

void SetTaperedOutline(CPM001T0101Atom& atom)
{
    atom.PYXTCJpa1.RemoveAll();
    for (auto [x, y] : {std::pair{50.0, 1740.0}, {50.0, 660.0}, {1050.0, 60.0}, {8950.0, 60.0}, {9950.0, 660.0},
                        {9950.0, 1740.0}})
        atom.PYXTCJpa1.Add(CDblPoint(x, y));
}

void SetUpPlainCapBeam(CPM001T0101Atom& atom)
{
    atom.nPier = 2;
    atom.bBz.Add(6000.0);
    atom.bBzl = 2000.0;
    atom.bBzr = 2000.0;
    atom.bBg = 10000.0;
    atom.lWg = 2000.0;
    atom.hHgl = 1800.0;
    atom.hXbl = 1200.0;
    atom.hXbr = 1200.0;
    atom.bAc = 5000.0;

    atom.st.type = 1;
    atom.st.d = 20.0;
    atom.st.ua = 60.0;
    atom.st.da = 60.0;
    atom.st.sa = 50.0;
    atom.st.a = 100.0;

    auto& sg = atom.sg;
    sg.type = 1;
    sg.d = 10.0;
    sg.a = 50.0;
    sg.Min = 80.0;
    sg.Max = 150.0;
    sg.s = 200.0;
    sg.s2 = 100.0;
    sg.s3 = 150.0;
    sg.fenG = 1;
    sg.fLayMode = 0;
    sg.HookedTpye = 1;
    for (int k = 0; k < 2; ++k) {
        sg.lns2.Add(5);
        sg.rns2.Add(5);
    }
    atom.sd.type = 3;

    AddFrames(atom, {-900.0, -300.0, 300.0, 900.0});
    atom.nMark = 6;
}
