// The sibling modules' design key parameters that the pier's key parameters carry (columns, tie beams, foundations, pedestals).
#pragma once

// Small records of the sibling modules: what each module's design takes from the pier's key
// parameters. Diameters and spacings in mm; a bar type is the bar type code of the common library's
// bar helpers; counts are whole numbers of bars. Every value is 0 until it is given. Modules whose
// reinforcement has the same form share that form's record.

// A bottom mesh of bars at one spacing (footings, pile-cap bodies).
struct BarMeshKeyParam {
    double barDiameter = 0.0;
    int barType = 0;
    double barSpacing = 0.0;
};

// A rectangular member with main bars along its faces and stirrups (columns, cap-to-column joints).
struct TiedMemberKeyParam {
    double mainBarDiameter = 0.0;
    int mainBarType = 0;
    int barsAcross = 0;            // main bars along a face across the bridge
    int barsAlong = 0;             // main bars along a face along the bridge
    double stirrupDiameter = 0.0;
    double stirrupSpacing = 0.0;
};

// A round member with main bars on a circle and a spiral (columns, column-to-pile transitions).
struct SpiralMemberKeyParam {
    double mainBarDiameter = 0.0;
    int mainBarType = 0;
    int mainBarCount = 0;
    double spiralDiameter = 0.0;
    double spiralPitch = 0.0;
};

// Rectangular columns.
struct CPC001_RectKeyParam : TiedMemberKeyParam {};

// Circular columns.
struct CPC001_CircleKeyParam : SpiralMemberKeyParam {};

// Tie beams (between the columns, or between the piles of a pile foundation).
struct CPG008KeyParam {
    double mainBarDiameter = 0.0;
    int mainBarType = 0;
    int topBarCount = 0;
    int bottomBarCount = 0;
    double stirrupDiameter = 0.0;
    double stirrupSpacing = 0.0;
};

// Spread footing: the bottom mesh.
struct CPG001KeyParam : BarMeshKeyParam {};

// Transition between a column and its pile.
struct CPG005KeyParam : SpiralMemberKeyParam {};

// Rectangular pile-cap body: the bottom mesh.
struct CPG003_RectKeyParam : BarMeshKeyParam {};

// Arc-shaped pile-cap body: the bottom mesh.
struct CPG003_ArcKeyParam : BarMeshKeyParam {};

// Rectangular joint between the pile cap and a column.
struct CPG005RectKeyParam : TiedMemberKeyParam {};

// Stopper blocks and bearing pedestals: how many layers of reinforcing mesh a pedestal of each
// bearing row gets.
struct CPG006KeyParam {
    int nFrontPedestalMesh = 0;
    int nBackPedestalMesh = 0;
};
