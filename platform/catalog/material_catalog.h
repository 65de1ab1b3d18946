// The material catalogue: named concrete grades, strands, jacks, ducts, anchorages and bearings.
#pragma once

#include "material_records.h"
#include "mfc/cstring.h"

#include <string>

// The catalogue is compiled into the program from data/material_catalog.json when it is built.
// When the environment variable PM001_DATA_DIR names a folder, its material_catalog.json is read
// instead, once, on first use: a file that cannot be read leaves the catalogue empty, every name is
// then unknown, and CatalogLoadError says why. Without it CatalogLoadError is empty.
const std::string& CatalogLoadError();

// Writes the display label of the material that name (a name, an alias or a label) denotes;
// an unknown name leaves label unchanged. name and label may be the same object.
int GetMaterialLabelFromName(const CString& name, CString& label);

int IsConcrete(const CString& name);
int IsTendon(const CString& name);
int IsCorrugatedPipeSeries(const CString& series);
int IsAnchorSeries(const CString& series);
int IsBearing(const CString& name);

// Fills the bearing record of that name; an unknown name gives a zero-filled record and 0.
int GetBearing(const CString& name, tagQM_BEARING* record);

// The catalogue id of a material name, alias or label; 0 when the catalogue does not hold it.
unsigned GetMaterialIDFromName(const CString& name);

// Fill the record of that id and return non-zero; an id of another kind or none gives a
// default record and 0.
int GetConcrete(unsigned id, tagQM_CONCRETE* record);
int GetTendon(unsigned id, tagQM_TENDON* record);
int GetJack(unsigned id, tagQM_JACK* record);
int GetCorrugatedPipe(unsigned id, tagQM_CORRUGATEDPIPE* record);
int GetAnchor(unsigned id, tagQM_ANCHOR* record);
