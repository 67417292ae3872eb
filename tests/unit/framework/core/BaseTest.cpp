#include <gtest/gtest.h>

#include "core/FCIteratorHandler.h"
#include "core/__FCBase.h"
#include "core/__FCCollection.h"
#include "Tracked.h"

namespace
{

class Other : public __FCBase
{
public:
    const char* ClassName() const override { return "Other"; }
};

class Numbered : public __FCBase
{
public:
    int GetClassID() const override { return 63; }
};

/* A class whose name constant is defined separately, but with the same text. */
class SameName : public __FCBase
{
public:
    const char* ClassName() const override
    {
        static const char name[] = "Other";
        return name;
    }
};

TEST(BaseIdentity, SameClassIsIdenticalDifferentClassIsNot)
{
    Other a, b;
    Tracked t;
    EXPECT_TRUE(a.IsIdentical(&b));
    EXPECT_TRUE(a.IsIdentical(&a));
    EXPECT_FALSE(a.IsIdentical(&t));
    EXPECT_FALSE(t.IsIdentical(&a));
    EXPECT_FALSE(a.IsIdentical(nullptr));
}

TEST(BaseIdentity, EqualNameTextCountsAsTheSameClass)
{
    Other a;
    SameName b;
    EXPECT_TRUE(a.IsIdentical(&b));
}

TEST(BaseIdentity, ClassNamesAndIds)
{
    __FCBase base;
    __FCCollection list;
    FCIteratorHandler handler;
    Numbered numbered;
    EXPECT_STREQ(base.ClassName(), "__FCBase");
    EXPECT_STREQ(list.ClassName(), "__FCCollection");
    EXPECT_STREQ(handler.ClassName(), "FCIteratorHandler");
    EXPECT_EQ(base.GetClassID(), 0);
    EXPECT_EQ(list.GetClassID(), 0);
    EXPECT_EQ(numbered.GetClassID(), 63);
    EXPECT_FALSE(base.IsIdentical(&list));
}

TEST(BaseUserData, StartsEmptyAndIsNotCopied)
{
    Tracked a;
    EXPECT_EQ(a.GetUserData(), nullptr);
    int marker = 0;
    a.SetUserData(&marker);
    EXPECT_EQ(a.GetUserData(), &marker);
    Tracked b(a);
    EXPECT_EQ(b.GetUserData(), nullptr);
}

TEST(BaseFlags, SixteenBitMaskSetAndCleared)
{
    uint16_t word = 0x8001;
    __FCBase::Set16BitFlag(&word, 0x0F00, true);
    EXPECT_EQ(word, 0x8F01);
    __FCBase::Set16BitFlag(&word, 0x8100, false);
    EXPECT_EQ(word, 0x0E01);
    __FCBase::Set16BitFlag(nullptr, 0xFFFF, true); /* must not crash */
}

TEST(BaseFlags, ThirtyTwoBitMaskSetAndCleared)
{
    uint32_t word = 0x00000001;
    __FCBase::Set32BitFlag(&word, 0x80000000u, true);
    EXPECT_EQ(word, 0x80000001u);
    __FCBase::Set32BitFlag(&word, 0x80000001u, false);
    EXPECT_EQ(word, 0u);
    __FCBase::Set32BitFlag(nullptr, 1, false);
}

TEST(HandlerDefaults, AnswersOfThePlainHandler)
{
    FCIteratorHandler handler;
    Tracked t;
    EXPECT_TRUE(handler.Iterate(&t));
    EXPECT_FALSE(handler.SecondPassIterate(&t));
    EXPECT_TRUE(handler.IterateIndex(&t, 3));
    EXPECT_FALSE(handler.Match(&t));
    EXPECT_EQ(handler.Compare(&t, &t), 0);
    EXPECT_TRUE(handler.PreProcess());
    EXPECT_TRUE(handler.PreProcessIfExist());
}

} // namespace
