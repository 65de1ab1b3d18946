// The extension-module list: a module's classes are found from its registration until its end,
// the application's classes always. Modules are simulated by registering classes at run time.
#include "mfc/extension_module.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class CModuleObject : public CObject {
public:
    CRuntimeClass* GetRuntimeClass() const override;
    static CObject* Create() { return new CModuleObject; }
};

CRuntimeClass classModuleA = {"CTestModuleA", sizeof(CModuleObject), 1, &CModuleObject::Create, RUNTIME_CLASS(CObject)};
CRuntimeClass classModuleB = {"CTestModuleB", sizeof(CModuleObject), 1, &CModuleObject::Create, RUNTIME_CLASS(CObject)};
CRuntimeClass classOther = {"CTestOtherModule", sizeof(CModuleObject), 1, &CModuleObject::Create, RUNTIME_CLASS(CObject)};
CRuntimeClass classHost = {"CTestHostClass", sizeof(CModuleObject), 1, &CModuleObject::Create, RUNTIME_CLASS(CObject)};

CRuntimeClass* CModuleObject::GetRuntimeClass() const { return &classModuleA; }

int handleA = 0;
int handleB = 0;

bool loaded(const AFX_EXTENSION_MODULE& state)
{
    const auto modules = AfxLoadedModules();
    return std::find(modules.begin(), modules.end(), &state) != modules.end();
}

} // namespace

TEST(ExtensionModule, ClassesLiveFromLoadToTermination)
{
    AFX_CLASSINIT host(&classHost);   // the host's own, registered before any module load
    AfxBeginModuleLoad();

    AFX_CLASSINIT a(&classModuleA);
    AFX_CLASSINIT b(&classModuleB);
    // Registered while the module loads: already found.
    EXPECT_EQ(CRuntimeClass::FromName("CTestModuleA"), &classModuleA);

    AFX_EXTENSION_MODULE state;
    ASSERT_TRUE(AfxInitExtensionModule(state, &handleA));
    EXPECT_TRUE(state.bInitialized);
    EXPECT_EQ(state.hModule, &handleA);
    EXPECT_EQ(state.classes, (std::vector<CRuntimeClass*>{&classModuleA, &classModuleB}));
    // Taken over but not yet chained.
    EXPECT_EQ(CRuntimeClass::FromName("CTestModuleA"), nullptr);

    auto* library = new CDynLinkLibrary(state, FALSE);
    EXPECT_EQ(&library->m_state, &state);
    EXPECT_TRUE(loaded(state));
    EXPECT_EQ(CRuntimeClass::FromName("CTestModuleB"), &classModuleB);
    std::unique_ptr<CObject> obj(CRuntimeClass::CreateObject("CTestModuleA"));
    EXPECT_NE(obj, nullptr);

    EXPECT_TRUE(AfxInitExtensionModule(state, &handleA));
    EXPECT_FALSE(AfxInitExtensionModule(state, &handleB));

    AfxTermExtensionModule(state, FALSE);
    EXPECT_EQ(CRuntimeClass::FromName("CTestModuleA"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CTestModuleB"), nullptr);
    EXPECT_FALSE(loaded(state));
    EXPECT_FALSE(state.bInitialized);

    // The host's and the test program's own classes stay.
    EXPECT_EQ(CRuntimeClass::FromName("CTestHostClass"), &classHost);
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
}

TEST(ExtensionModule, TerminatingOneModuleKeepsTheOthers)
{
    AfxBeginModuleLoad();
    AFX_CLASSINIT a(&classModuleA);
    AFX_EXTENSION_MODULE first;
    ASSERT_TRUE(AfxInitExtensionModule(first, &handleA));
    new CDynLinkLibrary(first);

    AfxBeginModuleLoad();
    AFX_CLASSINIT other(&classOther);
    AFX_EXTENSION_MODULE second;
    ASSERT_TRUE(AfxInitExtensionModule(second, &handleB));
    new CDynLinkLibrary(second);

    const auto modules = AfxLoadedModules();
    ASSERT_GE(modules.size(), 2u);
    EXPECT_EQ(modules[modules.size() - 2], &first);
    EXPECT_EQ(modules.back(), &second);

    AfxTermExtensionModule(first);
    EXPECT_EQ(CRuntimeClass::FromName("CTestModuleA"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CTestOtherModule"), &classOther);

    AfxTermExtensionModule(second);
    EXPECT_EQ(CRuntimeClass::FromName("CTestOtherModule"), nullptr);
}

TEST(ExtensionModule, DeletingALibraryUnchainsIt)
{
    AfxBeginModuleLoad();
    AFX_CLASSINIT a(&classModuleA);
    AFX_EXTENSION_MODULE state;
    ASSERT_TRUE(AfxInitExtensionModule(state, &handleA));
    auto* library = new CDynLinkLibrary(state);
    EXPECT_NE(CRuntimeClass::FromName("CTestModuleA"), nullptr);
    delete library;
    EXPECT_EQ(CRuntimeClass::FromName("CTestModuleA"), nullptr);
    AfxTermExtensionModule(state);
}

TEST(ExtensionModule, TerminatingAllReleasesEveryLibrary)
{
    AfxBeginModuleLoad();
    AFX_CLASSINIT a(&classModuleA);
    AFX_EXTENSION_MODULE first;
    ASSERT_TRUE(AfxInitExtensionModule(first, &handleA));
    new CDynLinkLibrary(first);
    AfxBeginModuleLoad();
    AFX_CLASSINIT other(&classOther);
    AFX_EXTENSION_MODULE second;
    ASSERT_TRUE(AfxInitExtensionModule(second, &handleB));
    new CDynLinkLibrary(second);

    AfxTermExtensionModule(second, TRUE);
    EXPECT_TRUE(AfxLoadedModules().empty());
    EXPECT_EQ(CRuntimeClass::FromName("CTestModuleA"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CTestOtherModule"), nullptr);
    AfxTermExtensionModule(first);
}
