#include "model/element_types.h"

#include <gtest/gtest.h>

#include "model/elements.h"
#include "model/twf_skin.h"

namespace {

struct KindCase {
    DWORD type;
    const wchar_t* name;
    bool hasClass;
    int indexEntry;
};

TEST(ElementTypes, NamesClassesAndIndexEntries) {
    const KindCase cases[] = {
        {1, L"WINDOWID", false, -1},
        {2, L"WNDFRAMEID", true, 0},
        {4, L"BUTTONID", true, 3},
        {17, L"SPINCTRLID", true, 16},
        {34, L"SPLITTERID", true, 16},
        {22, L"DATETIMECTRLID", true, 22},
        {25, L"DIALOGFRAMEID", true, 1},
        {27, L"GRIPCTRLID", true, 24},
        {33, L"", true, 33},
        {44, L"", true, 32},
        {43, L"MENUSTRIPID", true, 31},
        {100, L"TRANSPARENTWINDOW", false, -1},
        {0xFFFFFFFF, L"WNDERROR", false, -1},
        {0, L"", false, -1},
        {32, L"", false, -1},
        {45, L"", false, -1},
        {99, L"", false, -1},
        {101, L"", false, -1},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(GetElementTypeName(c.type), c.name);
        EXPECT_EQ(HasElementClass(c.type), c.hasClass);
        EXPECT_EQ(GetElementIndexEntry(c.type), c.indexEntry);
    }
}

TEST(ElementFactory, MakesOnlyKindsWithAClass) {
    CTwfSkin skin;
    for (WORD type : {1, 23, 24, 26, 29, 30, 31, 35, 36, 37, 100, 0, 32}) {
        EXPECT_EQ(skin.CreateTwfObject(type), nullptr) << type;
    }
    for (WORD type = 2; type <= 44; ++type) {
        if (!HasElementClass(type)) continue;
        auto object = skin.CreateTwfObject(type);
        ASSERT_NE(object, nullptr) << type;
        EXPECT_EQ(object->GetType(), type);
        EXPECT_EQ(object->GetOwnerSkin(), &skin);
        EXPECT_EQ(object->GetEnabled(), 0u);
        EXPECT_EQ(object->GetIndexEntryNumber(), GetElementIndexEntry(type));
    }
}

TEST(ElementFactory, MakesTheKindsOwnClasses) {
    CTwfSkin skin;
    EXPECT_NE(dynamic_cast<CTwfWndFrame*>(skin.CreateTwfObject(2).get()), nullptr);
    EXPECT_NE(dynamic_cast<CTwfScrollbars*>(skin.CreateTwfObject(5).get()), nullptr);
    EXPECT_NE(dynamic_cast<CTwfComboBox*>(skin.CreateTwfObject(13).get()), nullptr);
    EXPECT_NE(dynamic_cast<CTwfUserData*>(skin.CreateTwfObject(44).get()), nullptr);
    EXPECT_NE(dynamic_cast<CTwfButton*>(skin.CreateTwfObject(4).get()), nullptr);
    EXPECT_NE(dynamic_cast<CTwfFolder*>(skin.CreateTwfObject(33).get()), nullptr);
}

TEST(ElementFactory, WindowFrameComesWithItsPartsOwnedByTheSameSkin) {
    CTwfSkin skin;
    auto object = skin.CreateTwfObject(2);
    auto* frame = dynamic_cast<CTwfWndFrame*>(object.get());
    ASSERT_NE(frame, nullptr);
    for (CTwfObj* part : {static_cast<CTwfObj*>(frame->GetTopSide()), static_cast<CTwfObj*>(frame->GetRightSide()),
                          static_cast<CTwfObj*>(frame->GetBottomSide()), static_cast<CTwfObj*>(frame->GetLeftSide()),
                          static_cast<CTwfObj*>(frame->GetMenuBar())}) {
        ASSERT_NE(part, nullptr);
        EXPECT_EQ(part->GetOwnerSkin(), &skin);
        EXPECT_EQ(part->GetIndexEntryNumber(), -1);
    }
    EXPECT_EQ(frame->GetTopSide()->GetParentFrame(), frame);
    EXPECT_EQ(frame->GetMenuBar()->GetParentFrame(), frame);
    EXPECT_EQ(frame->GetSide(1), frame->GetRightSide());
    EXPECT_EQ(frame->GetSide(3), frame->GetLeftSide());
}

TEST(ElementFactory, IndexEntryAddressesTheBlock) {
    CTwfSkin skin;
    BYTE block[kIndexBlockSize] = {};
    EXPECT_EQ(skin.CreateTwfObject(2)->GetIndexEntry(block), block);
    EXPECT_EQ(skin.CreateTwfObject(4)->GetIndexEntry(block), block + 18);
    EXPECT_EQ(skin.CreateTwfObject(44)->GetIndexEntry(block), block + 6 * 32);
    auto frame = skin.CreateTwfObject(2);
    EXPECT_EQ(static_cast<CTwfWndFrame*>(frame.get())->GetMenuBar()->GetIndexEntry(block), nullptr);
}

} // namespace
