// Each sample pier, taken in, gives a design record; origin data, design record and drawing
// options store, load and store again byte for byte.
#include "example_intake.h"

#include "mfc/carchive.h"
#include "pier/drawing_options.h"
#include "pier/pier_design_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kSourceDir = PM001_SOURCE_DIR;

template <class T>
std::vector<unsigned char> Store(T& object)
{
    std::vector<unsigned char> bytes;
    CArchive ar(bytes, CArchive::store);
    if constexpr (requires { object.SerializeDesignData(ar); }) object.SerializeDesignData(ar);
    else object.SerializeOriginData(ar);
    return bytes;
}

template <class T>
void Load(T& object, const std::vector<unsigned char>& bytes)
{
    CArchive ar(bytes.data(), bytes.size());
    if constexpr (requires { object.SerializeDesignData(ar); }) object.SerializeDesignData(ar);
    else object.SerializeOriginData(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
}

class SampleArchives : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(SampleArchives, OriginDesignAndDrawingDataRoundTrip)
{
    auto project = LoadProjectFile(kSourceDir + "/examples/" + GetParam());
    IntakeOf intake(*project);

    CPM001Atom atom;
    ASSERT_EQ(atom.SetData(&intake.org), 1);
    // One column top per column.
    EXPECT_EQ(atom.zHzt.GetSize(), intake.org.bBz.GetSize() + 1);

    CPM001DrawSetting drawing;
    drawing.SetData(&project->input);

    const auto orgBytes = Store(intake.org);
    CPM001org orgCopy;
    Load(orgCopy, orgBytes);
    EXPECT_EQ(Store(orgCopy), orgBytes);
    EXPECT_DOUBLE_EQ(orgCopy.HeightLeftEnd, intake.org.HeightLeftEnd);
    EXPECT_DOUBLE_EQ(orgCopy.HeightRightEnd, intake.org.HeightRightEnd);

    const auto atomBytes = Store(atom);
    CPM001Atom atomCopy;
    Load(atomCopy, atomBytes);
    EXPECT_EQ(Store(atomCopy), atomBytes);

    const auto drawingBytes = Store(drawing);
    EXPECT_EQ(drawingBytes.size(), 80u);
    CPM001DrawSetting drawingCopy;
    Load(drawingCopy, drawingBytes);
    EXPECT_EQ(Store(drawingCopy), drawingBytes);
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleArchives,
                         ::testing::Values("footing.json", "piles.json", "pile_cap.json", "prestressed.json"));
