// What the user enters for the pier's drawings: drawing switches and the block-scale texts.
#pragma once

struct PM001DrawingInput {
};
