// CDrawSetPM001: the pier's drawing-setting record that the drawing module reads while it draws.
#pragma once

class CDrawSetPM001 {
};
