// Runtime classes: creation by name, kinds through the base chain, unknown names.
#include "mfc/cobject.h"

#include <gtest/gtest.h>

#include <memory>

class CTestShape : public CObject {
    DECLARE_DYNCREATE(CTestShape)
public:
    int sides = 0;
};
IMPLEMENT_DYNCREATE(CTestShape, CObject)

class CTestCircle : public CTestShape {
    DECLARE_SERIAL(CTestCircle)
public:
    double radius = 1.0;
};
IMPLEMENT_SERIAL(CTestCircle, CTestShape, 2)

class CTestAbstractPart : public CObject {
    DECLARE_DYNAMIC(CTestAbstractPart)
};
IMPLEMENT_DYNAMIC(CTestAbstractPart, CObject)

TEST(RuntimeClass, DescribesTheClass)
{
    const CRuntimeClass* c = RUNTIME_CLASS(CTestCircle);
    EXPECT_STREQ(c->m_lpszClassName, "CTestCircle");
    EXPECT_EQ(c->m_nObjectSize, static_cast<int>(sizeof(CTestCircle)));
    EXPECT_EQ(c->m_wSchema, 2u);
    EXPECT_EQ(c->m_pBaseClass, RUNTIME_CLASS(CTestShape));
    EXPECT_EQ(RUNTIME_CLASS(CTestShape)->m_wSchema, 0xFFFFu);
    EXPECT_EQ(RUNTIME_CLASS(CTestShape)->m_pBaseClass, RUNTIME_CLASS(CObject));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
}

TEST(RuntimeClass, CreatesByName)
{
    std::unique_ptr<CObject> obj(CRuntimeClass::CreateObject("CTestCircle"));
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(obj->GetRuntimeClass(), RUNTIME_CLASS(CTestCircle));
    auto* circle = dynamic_cast<CTestCircle*>(obj.get());
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->radius, 1.0);

    std::unique_ptr<CObject> shape(RUNTIME_CLASS(CTestShape)->CreateObject());
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->GetRuntimeClass(), RUNTIME_CLASS(CTestShape));
}

TEST(RuntimeClass, IsKindOfFollowsTheBaseChain)
{
    const CTestCircle circle;
    const CTestShape shape;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CTestCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CTestShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CTestCircle)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CTestAbstractPart)));
    EXPECT_FALSE(circle.IsKindOf(nullptr));
}

TEST(RuntimeClass, LookupByName)
{
    EXPECT_EQ(CRuntimeClass::FromName("CTestShape"), RUNTIME_CLASS(CTestShape));
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CRuntimeClass::FromName("CTestNoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("ctestshape"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(""), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CTestNoSuchClass"), nullptr);
    // Known but not dynamically creatable.
    EXPECT_EQ(CRuntimeClass::FromName("CTestAbstractPart"), RUNTIME_CLASS(CTestAbstractPart));
    EXPECT_EQ(CRuntimeClass::CreateObject("CTestAbstractPart"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CObject"), nullptr);
}
