// Every public header of the model compiles on its own and together.
#include "model/dib_sizes.h"
#include "model/element_types.h"
#include "model/elements.h"
#include "model/font.h"
#include "model/gdiplus_init.h"
#include "model/image_rgn.h"
#include "model/mrg_bitmap.h"
#include "model/platform/image.h"
#include "model/platform/imaging.h"
#include "model/platform/region.h"
#include "model/platform/text.h"
#include "model/skin_info.h"
#include "model/skin_version.h"
#include "model/twf_error.h"
#include "model/twf_manager.h"
#include "model/twf_skin.h"
#include "model/windows_version.h"
#ifdef _WIN32
#include "model/platform/win/dib.h"
#include "model/platform/win/gdiplus_codec.h"
#endif

#include <gtest/gtest.h>

TEST(SkinInfo, FieldsAreAddressedByFilePosition) {
    SkinInfo info;
    for (int i = 0; i < SkinInfo::kFieldCount; ++i) EXPECT_TRUE(info.Field(i).empty());
    info.Field(0) = L"name";
    info.Field(7) = L"updated";
    info.Field(8) = L"about";
    EXPECT_EQ(info.skinName, L"name");
    EXPECT_EQ(info.lastUpdated, L"updated");
    EXPECT_EQ(info.description, L"about");
    info.Clear();
    EXPECT_TRUE(info.description.empty());
}
