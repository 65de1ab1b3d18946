// The input objects of the foundation modules that the pier's input carries.
#pragma once

#include "cpg001_input.h"   // spread footing
#include "cpg002_input.h"   // pile foundation
#include "cpg003_input.h"   // pile cap on piles
