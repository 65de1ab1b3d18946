// The input objects of the foundation modules that the pier's input carries.
#pragma once

// Spread footing.
struct CPG001 {
};

// Pile foundation.
struct CPG002 {
};

// Pile cap on piles.
struct CPG003 {
};
