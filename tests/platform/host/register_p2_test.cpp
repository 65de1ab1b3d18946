// The host's registry of component classes.
#include "host/register_p2.h"

#include <gtest/gtest.h>

namespace {

CRuntimeClass classA = {"RegistryProbeA", 8, 0xFFFF, nullptr, &CObject::classCObject};
CRuntimeClass classB = {"RegistryProbeB", 8, 0xFFFF, nullptr, &CObject::classCObject};
CRuntimeClass classC = {"RegistryProbeC", 8, 0xFFFF, nullptr, &CObject::classCObject};

class Registry : public ::testing::Test {
protected:
    void SetUp() override { UnregisterComponents(); }
    void TearDown() override { UnregisterComponents(); }
};

TEST_F(Registry, KeepsRegistrationOrderAndFindsByCode)
{
    RegisterP2(1, 100, &classA);
    RegisterP2(2, 200, &classB);
    const auto& all = RegisteredComponents();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].type, 1);
    EXPECT_EQ(all[0].code, 100);
    EXPECT_EQ(all[0].runtimeClass, &classA);
    EXPECT_EQ(all[1].code, 200);
    EXPECT_EQ(FindComponentClass(200), &classB);
    EXPECT_EQ(FindComponentClass(300), nullptr);
}

TEST_F(Registry, ReregisteringACodeReplacesItInPlace)
{
    RegisterP2(1, 100, &classA);
    RegisterP2(2, 200, &classB);
    RegisterP2(7, 100, &classC);
    const auto& all = RegisteredComponents();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].code, 100);
    EXPECT_EQ(all[0].type, 7);
    EXPECT_EQ(all[0].runtimeClass, &classC);
    EXPECT_EQ(FindComponentClass(100), &classC);
    EXPECT_EQ(all[1].runtimeClass, &classB);
}

TEST_F(Registry, SameClassUnderTwoCodesIsTwoEntries)
{
    RegisterP2(1, 100, &classA);
    RegisterP2(1, 101, &classA);
    EXPECT_EQ(RegisteredComponents().size(), 2u);
}

TEST_F(Registry, UnregisterForgetsEverything)
{
    RegisterP2(1, 100, &classA);
    UnregisterComponents();
    EXPECT_TRUE(RegisteredComponents().empty());
    EXPECT_EQ(FindComponentClass(100), nullptr);
}

} // namespace
