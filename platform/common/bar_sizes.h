// KVDataCommon bar sizes: outer diameters, hook allowances and unit weights of reinforcing bars.
#pragma once

// Lengths are in millimetres. Bar type codes: 1 HPB300 (plain round bar), 2 HRB335, 3 HRB400,
// 4 HRB500 (ribbed bars). Any other code is taken as HRB400, the common ribbed bar, so that an
// unknown code never gives a smaller bar than a ribbed one.

namespace KVDataCommon {

// Bend angle of a hook at a bar end.
enum DEGRE {
    DEGRE_90 = 0,   // right-angle hook
    DEGRE_135 = 1,  // 135-degree hook
    DEGRE_180 = 2,  // semicircular hook
};

// Outer diameter of a bar of nominal diameter d and the given type: the diameter the bar takes up
// in a layout, half of it being the bar's radius to its outer face.
// Plain bars (type 1): d itself. Ribbed bars: the outer diameter over the ribs from the table of
// JTG 3362-2018 (6 -> 7.0, 8 -> 9.3, 10 -> 11.6, 12 -> 13.9, 14 -> 16.2, 16 -> 18.4, 18 -> 20.5,
// 20 -> 22.7, 22 -> 25.1, 25 -> 28.4, 28 -> 31.6, 32 -> 35.8, 36 -> 40.2, 40 -> 44.5, 50 -> 55.5);
// between listed diameters linearly interpolated, below 6 and above 50 scaled by the ratio of the
// nearest listed size. A diameter that is not a positive finite number gives 0.
double wd(double d, int type);

// Hook allowances: the length one end hook adds to a bar whose straight length is measured to the
// outer face of the hook's bend. A hook of bend angle a (radians), inner bend diameter D and
// straight end l on a bar of diameter d adds
//     (D + d) / 2 * a  +  l  -  (D / 2 + d),
// the centre-line arc plus the straight end, less the part of the bend already inside the measured
// length (for the HPB300 semicircular hook, D = 2.5d and l = 3d, this is the familiar 6.25d).
// Inner bend diameters by type (JTG 3362-2018 9.1.5, the table of end hooks of tension bars):
// HPB300 2.5d, HRB335 4d (the value of the former edition JTG D62-2004 for this grade),
// HRB400 5d; HRB500 6d (GB 50204-2015 5.3.1 for the 500 MPa grade). A diameter that is not a
// positive finite number, or a kind outside DEGRE, gives 0.

// The smallest inner diameter a bar of diameter d and this type is bent round (the hook table's
// bend diameters above): bent tighter, the bar cracks at the bend. A diameter that is not a
// positive finite number gives 0.
double InnerBendDiameter(double d, int type);

// End hook of a longitudinal distribution bar (the side-face and end-face bars of a cap beam):
// straight end 10d for a right-angle hook, 5d for a 135-degree hook, 3d for a semicircular hook
// (JTG 3362-2018 9.1.5).
double WG1(double d, int type, DEGRE kind);

// End hook (end allowance) of a main bar of a welded skeleton; the same rule as WG1, since the
// code gives one table for the end hooks of all tension bars.
double WG2(double d, int type, DEGRE kind);

// End hook of a stirrup: straight end 5d for every kind (JTG 3362-2018 9.3, stirrup end hooks in
// ordinary structures).
double WG3(double d, int type, DEGRE kind);

// Weight per metre of a bar of nominal diameter d (mm), in kg/m: 0.00617 * d * d, the nominal
// mass of GB/T 1499.1 and GB/T 1499.2 (steel of 7850 kg/m3, rounded as those standards list it:
// 25 -> 3.85625). A diameter that is not a positive finite number gives 0.
double gjweight(double d);

} // namespace KVDataCommon
