#pragma once
// A piece's box compared corner by corner.
#include "model/Scene3D.h"

#include <gtest/gtest.h>

inline void ExpectBox(const zv::Scene3D::Box& got, const zv::Scene3D::Box& want) {
    EXPECT_DOUBLE_EQ(got.x0, want.x0);
    EXPECT_DOUBLE_EQ(got.y0, want.y0);
    EXPECT_DOUBLE_EQ(got.z0, want.z0);
    EXPECT_DOUBLE_EQ(got.x1, want.x1);
    EXPECT_DOUBLE_EQ(got.y1, want.y1);
    EXPECT_DOUBLE_EQ(got.z1, want.z1);
}
