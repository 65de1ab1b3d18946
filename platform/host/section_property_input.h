// CCalGenSectionProperty: a span's section properties as the user enters them, in four forms.
#pragma once

#include "mfc/cstring_array.h"

// Every list is a column of texts as typed, named by its input key. Forms: m_1_ a beam with
// cantilevers of constant section, m_2_ one whose section varies from the start to the end of
// the span, m_3_ a plain beam of constant section, m_4_ a plain beam of varying section. In the
// cantilever forms row i describes girder i; a hinge text "是" marks a girder hinged to its
// neighbour.
struct CCalGenSectionProperty {
    double dA = 0.0;                // common reals of every girder of the cantilever forms
    double dB = 0.0;

    CStringArray m_1_bB, m_1_I, m_1_IT, m_1_IL, m_1_IR, m_1_bJoint;
    CStringArray m_2_bBS, m_2_IS, m_2_ITS, m_2_IL, m_2_IR, m_2_bJoint, m_2_bBE, m_2_IE, m_2_ITE;
    CStringArray m_3_I, m_3_IT;
    CStringArray m_4_IS, m_4_ITS, m_4_IE, m_4_ITE;
};
