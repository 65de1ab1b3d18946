// The key parameters' values no cap can be built with, refused where the set is read: each bound
// at its edge and just inside it, on a sample's key parameters; every sample's set passes.
#include "calc/key_param_bounds.h"
#include "calc/key_param_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Json = nlohmann::ordered_json;

const std::string kSource = PM001_SOURCE_DIR;

// The error of reading document, without its "keyParameters." prefix, or "" when it reads.
std::string ReadError(const Json& document)
{
    CPM001KeyParam keyParam;
    std::string error;
    return ReadKeyParamJson(document.dump(), "keyParameters", keyParam, error) ? "" : error.substr(14);
}

} // namespace

TEST(KeyParamBounds, EachBoundAtItsEdgeAndJustInside)
{
    // The edits (JSON pointer: value) made to the prestressed sample's key parameters (end-face
    // bars, densified stirrups along the skew, two tendons), and the error ("": they read).
    const std::string to = " 0 to 10000000 mm", angle = ": expected an angle above 0 and below 1.5708 rad",
                      dia = ": expected a diameter above 0 and at most 100 mm", n = ": expected a count of at least 0",
                      sp = ": expected a spacing above 0 and at most 10000000 mm", dist = ": expected a distance from" + to,
                      len = ": expected a length from" + to, sp0 = ": expected a spacing from" + to, low = " of at least 0 mm";
    const struct { const char* edits; std::string error; } rows[] = {
        {R"({"/cap/st_angle": 0})", "cap.st_angle" + angle}, {R"({"/cap/st_angle": 1.57})", ""},
        {R"({"/cap/st_angle": 1.5707963267948966})", "cap.st_angle" + angle}, {R"({"/cap/st_d": 0})", "cap.st_d" + dia},
        {R"({"/cap/st_d": 1e300})", "cap.st_d" + dia}, {R"({"/cap/st_sa": -1})", "cap.st_sa" + dist},
        {R"({"/cap/st_LstWeld": 0})", "cap.st_LstWeld: expected a length above 0 and at most 10000000 mm"},
        {R"({"/cap/KeyLen2": 1e200})", "cap.KeyLen2: expected a radius from" + to},
        {R"({"/cap/FrameY/0": -10000001})", "cap.FrameY[0]: expected a position from -10000000 to 10000000 mm"},
        {R"({"/cap/KeyLen1": -400})", "cap.KeyLen1" + dist}, {R"({"/cap/FrameAr/1/LenB/1": -1})", "cap.FrameAr[1].LenB[1]" + len},
        {R"({"/cap/FrameAr/0/GJJ/1/2/dx": -5})", "cap.FrameAr[0].GJJ[1][2].dx" + dist},
        {R"({"/cap/FrameAr/1/LenT/0": -1})", "cap.FrameAr[1].LenT[0]" + len}, {R"({"/cap/sg_s": 0})", "cap.sg_s" + sp},
        {R"({"/cap/sg_s2": 0})", "cap.sg_s2" + sp + " when sg_fenG is 1"}, {R"({"/cap/sg_rns2/1": -1})", "cap.sg_rns2[1]: expected a count from 0 to 2000"},
        {R"({"/cap/sg_fLayMode": 0, "/cap/sg_s3": 0})", "cap.sg_s3" + sp + " when sg_fLayMode is 0"},
        {R"({"/cap/sd_d": 0})", "cap.sd_d" + dia + " when fDistribute is on"},
        {R"({"/cap/sd_Max": 0})", "cap.sd_Max" + sp + " when fDistribute is on"},
        {R"({"/cap/fDistribute": 0, "/cap/sd_Max": -1})", "cap.sd_Max" + sp0},
        {R"({"/cap/SteelAr": [], "/cap/SBd": 0, "/cap/Cdis": -1})", "cap.Cdis" + sp0},   // no tendons: SBd 0 reads
        {R"({"/cap/SteelAr": [{"m": 9, "n": 2, "Y": [0], "Node": [], "PT": 0, "PC": 0.75, "DSeriesIndex": "",
              "BseriesIndex": "", "MLSeriesIndex": "", "MRSeriesIndex": ""}], "/cap/SBd": 0})",
         "cap.SBd" + dia + " when tendons are given"},
        {R"({"/cap/SteelAr/0/n": -1})", "cap.SteelAr[0].n" + n}, {R"({"/cap/ZLName/0/n": -1})", "cap.ZLName[0].n" + n},
        {R"({"/cap/SteelAr/1/Node/2/R": -1})", "cap.SteelAr[1].Node[2].R: expected a radius from" + to},
        {R"({"/cap/SteelAr/1/Node/2/refZ": -1})", "cap.SteelAr[1].Node[2].refZ" + dist},
        {R"({"/cap/SteelAr/0/PC": 0})", "cap.SteelAr[0].PC: expected a fraction above 0 and at most 1"},
        {R"({"/circleColumns/mainBarCount": -1})", "circleColumns.mainBarCount" + n},
        {R"({"/pileCap/joint/stirrupDiameter": -1})", "pileCap.joint.stirrupDiameter: expected a diameter" + low},
        {R"({"/pileFoundation/tieBeams/stirrupSpacing": -1})", "pileFoundation.tieBeams.stirrupSpacing: expected a spacing" + low},
        {R"({"/footing/barSpacing": -1})", "footing.barSpacing: expected a spacing" + low},
        // Each value at an edge it may take, and those a feature that is off leaves unchecked; WeldArcR
        // out of range is taken as 5 × st_d, with a warning.
        {R"({"/cap/st_angle": 0.01, "/cap/st_d": 100, "/cap/st_LstWeld": 0.5, "/cap/KeyLen1": 0, "/cap/st_ua": 0,
             "/cap/KeyLen2": 1e7, "/cap/WeldArcR": -1, "/cap/FrameAr/1/LenB/1": 0, "/cap/sg_Min": 0, "/cap/sg_fenG": 0,
             "/cap/sg_s2": 0, "/cap/sg_s3": 0, "/cap/fDistribute": 0, "/cap/sd_d": 0, "/cap/SteelAr/0/n": 0,
             "/cap/ZLName/0/n": 0, "/cap/SteelAr/0/PC": 1, "/footing/barSpacing": 0, "/pileCap/joint/stirrupDiameter": 0})", ""},
    };
    const Json sample = Json::parse(std::ifstream(kSource + "/examples/keyparams/prestressed.json"));
    for (const auto& r : rows) {
        Json document = sample;
        const Json edits = Json::parse(r.edits);
        std::string given;
        for (const auto& [pointer, value] : edits.items()) {
            document[Json::json_pointer(pointer)] = value;
            given = " (" + value.dump() + " given)";
        }
        EXPECT_EQ(ReadError(document), r.error.empty() ? "" : r.error + given) << r.edits;
    }
}

TEST(KeyParamBounds, EverySamplesKeyParametersPass)
{
    // The key-parameter files, and the projects' own keyParameters where a project holds them.
    int sets = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSource + "/examples")) {
        if (entry.path().extension() != ".json") continue;
        const Json read = Json::parse(std::ifstream(entry.path()));
        const bool keyFile = entry.path().parent_path().filename() == "keyparams";
        if (!keyFile && !read.contains("keyParameters")) continue;
        EXPECT_EQ(ReadError(keyFile ? read : read["keyParameters"]), "") << entry.path();
        ++sets;
    }
    EXPECT_EQ(sets, 9);
    // With no root the path starts inside the object; the first value in the documented order is named.
    EXPECT_EQ(FindUnbuildableKeyValue(CPM001KeyParam(), ""), "cap.st_d: expected a diameter above 0 and at most 100 mm (0 given)");
}
