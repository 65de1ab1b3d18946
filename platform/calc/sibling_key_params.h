// The sibling modules' design key parameters that the pier's key parameters carry (columns, tie beams, foundations, pedestals).
#pragma once

// Small records of the sibling modules: what each module's design takes from the pier's key
// parameters. Diameters and spacings in mm; a bar type is the bar type code of the common library's
// bar helpers; counts are whole numbers of bars. Every value is 0 until it is given.

// Rectangular columns.
struct CPC001_RectKeyParam {
    double mainBarDiameter = 0.0;
    int mainBarType = 0;
    int barsAcross = 0;            // main bars along a face across the bridge
    int barsAlong = 0;             // main bars along a face along the bridge
    double stirrupDiameter = 0.0;
    double stirrupSpacing = 0.0;
};

// Circular columns.
struct CPC001_CircleKeyParam {
    double mainBarDiameter = 0.0;
    int mainBarType = 0;
    int mainBarCount = 0;
    double spiralDiameter = 0.0;
    double spiralPitch = 0.0;
};

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
struct CPG001KeyParam {
    double barDiameter = 0.0;
    int barType = 0;
    double barSpacing = 0.0;
};

// Transition between a column and its pile.
struct CPG005KeyParam {
    double mainBarDiameter = 0.0;
    int mainBarType = 0;
    int mainBarCount = 0;
    double spiralDiameter = 0.0;
    double spiralPitch = 0.0;
};

// Rectangular pile-cap body: the bottom mesh.
struct CPG003_RectKeyParam {
    double barDiameter = 0.0;
    int barType = 0;
    double barSpacing = 0.0;
};

// Arc-shaped pile-cap body: the bottom mesh.
struct CPG003_ArcKeyParam {
    double barDiameter = 0.0;
    int barType = 0;
    double barSpacing = 0.0;
};

// Rectangular joint between the pile cap and a column.
struct CPG005RectKeyParam {
    double mainBarDiameter = 0.0;
    int mainBarType = 0;
    int barsAcross = 0;
    int barsAlong = 0;
    double stirrupDiameter = 0.0;
    double stirrupSpacing = 0.0;
};

// Stopper blocks and bearing pedestals: how many layers of reinforcing mesh a pedestal of each
// bearing row gets.
struct CPG006KeyParam {
    int nFrontPedestalMesh = 0;
    int nBackPedestalMesh = 0;
};
