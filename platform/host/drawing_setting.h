// The project's drawing setting: the text style and the layer line-type setting of the drawings.
#pragma once

#include "mfc/cstring.h"

// Text style of the drawings; mode selects how generated names and texts are styled.
struct textstyle {
    CString fontName;
    int mode = 0;
};

// Layer line-type setting of the drawings; the third field decides whether layers follow line types.
struct layerLineType {
    CString layerName;
    CString lineType;
    int setting = 0;
};

class CBridgeDrawingSetting {
public:
    // Copies the project's text style into style.
    void GetDrawText(textstyle& style) const { style = m_TextStyle; }
    // Copies the project's layer line-type setting into type.
    void GetDrawLayerType(layerLineType& type) const { type = m_LayerLineType; }

    textstyle m_TextStyle;
    layerLineType m_LayerLineType;
};
