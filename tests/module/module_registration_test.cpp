// The library entry and the registration of the component with the host.
#include "module/module_entry.h"
#include "module/pier_component.h"

#include "host/register_p2.h"
#include "mfc/extension_module.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A class that registers after the module load began, as the module's own classes do when it loads.
CRuntimeClass probeClass = {"PM001EntryProbe", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr,
                            &CObject::classCObject};

bool Chained(const char* className) { return CRuntimeClass::FromName(className) != nullptr; }

class ModuleEntry : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Everything linked into the test is the host's; the probe alone belongs to the "module".
        AfxBeginModuleLoad();
        modulesBefore = AfxLoadedModules().size();
        UnregisterComponents();
    }
    void TearDown() override { UnregisterComponents(); }

    std::size_t modulesBefore = 0;
    int handle = 0;
};

TEST_F(ModuleEntry, AttachChainsTheModuleAndDetachUnchainsIt)
{
    AFX_CLASSINIT registerProbe(&probeClass);
    ASSERT_EQ(PM001LibraryEntry(&handle, DLL_PROCESS_ATTACH), 1);
    EXPECT_EQ(AfxLoadedModules().size(), modulesBefore + 1);
    EXPECT_TRUE(Chained("PM001EntryProbe"));

    EXPECT_EQ(PM001LibraryEntry(&handle, DLL_PROCESS_DETACH), 1);
    EXPECT_EQ(AfxLoadedModules().size(), modulesBefore);
    EXPECT_FALSE(Chained("PM001EntryProbe"));
}

TEST_F(ModuleEntry, AttachFailsWhileTheStateBelongsToAnotherHandle)
{
    int otherHandle = 0;
    ASSERT_EQ(PM001LibraryEntry(&handle, DLL_PROCESS_ATTACH), 1);
    EXPECT_EQ(PM001LibraryEntry(&otherHandle, DLL_PROCESS_ATTACH), 0);
    EXPECT_EQ(AfxLoadedModules().size(), modulesBefore + 1);
    EXPECT_EQ(PM001LibraryEntry(&handle, DLL_PROCESS_DETACH), 1);
    EXPECT_EQ(AfxLoadedModules().size(), modulesBefore);
}

TEST_F(ModuleEntry, ThreadReasonsDoNothing)
{
    EXPECT_EQ(PM001LibraryEntry(&handle, DLL_THREAD_ATTACH), 1);
    EXPECT_EQ(PM001LibraryEntry(&handle, DLL_THREAD_DETACH), 1);
    EXPECT_EQ(PM001LibraryEntry(&handle, 7), 1);
    EXPECT_EQ(AfxLoadedModules().size(), modulesBefore);
}

TEST_F(ModuleEntry, RegistGivesTheHostTypeCodeAndCreatableClass)
{
    ASSERT_EQ(PM001LibraryEntry(&handle, DLL_PROCESS_ATTACH), 1);
    CPM001Norm::Regist();

    const std::vector<RegisteredComponent>& registered = RegisteredComponents();
    ASSERT_EQ(registered.size(), 1u);
    EXPECT_EQ(registered[0].type, 0x4035);
    EXPECT_EQ(registered[0].type, 16437);
    EXPECT_EQ(registered[0].code, 1048597);
    EXPECT_EQ(registered[0].runtimeClass, RUNTIME_CLASS(CPM001Norm));
    EXPECT_STREQ(registered[0].runtimeClass->m_lpszClassName, "CPM001Norm");
    EXPECT_EQ(registered[0].runtimeClass->m_pBaseClass, RUNTIME_CLASS(CComponentNorm));

    CRuntimeClass* found = FindComponentClass(0x100015);
    ASSERT_NE(found, nullptr);
    std::unique_ptr<CObject> made(found->CreateObject());
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CComponentNorm)));
    EXPECT_NE(dynamic_cast<CPM001Norm*>(made.get()), nullptr);

    std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("CPM001Norm"));
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(byName->GetRuntimeClass(), RUNTIME_CLASS(CPM001Norm));

    // Registering once more keeps one entry.
    CPM001Norm::Regist();
    EXPECT_EQ(RegisteredComponents().size(), 1u);

    EXPECT_EQ(PM001LibraryEntry(&handle, DLL_PROCESS_DETACH), 1);
}

} // namespace
