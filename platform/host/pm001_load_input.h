// What the user enters for the pier's loads: option switches, reactions, load tables and load layouts.
#pragma once

struct PM001LoadInput {
};
