// GDI+ started for the duration of a test (nothing to start natively).
#pragma once

#include <gtest/gtest.h>

#include "model/gdiplus_init.h"

class ModelTest : public ::testing::Test {
protected:
    CGdiPlusInit gdiplus_;
};
