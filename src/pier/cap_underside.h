// The underside of the cap beam along its length: flat between the cantilevers' tapered parts,
// rising over each of them to its end face.
#pragma once

// Levels are heights above the beam's lowest bottom, stations lengths from its left end. Over the
// left tapered part (run leftRun from the left end) the underside rises in a straight line from 0
// at station leftRun to leftRise at station 0; the right part mirrors it from station
// length - rightRun to the right end. A part of no run is a square end: the underside stays at 0.
struct CapUnderside {
    double length = 0.0;
    double leftRun = 0.0;
    double leftRise = 0.0;
    double rightRun = 0.0;
    double rightRise = 0.0;

    // The underside's level at station x; beyond an end the tapered line goes on.
    double At(double x) const
    {
        if (leftRun > 0.0 && x < leftRun) return (leftRun - x) * leftRise / leftRun;
        const double start = length - rightRun;
        if (rightRun > 0.0 && x > start) return (x - start) * rightRise / rightRun;
        return 0.0;
    }
};
