// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

using namespace kivalto;
using KivaltoStartup = test::KivaltoTest;

TEST_F(KivaltoStartup, StartsOnAnEmptyFolder)
{
    startup();
    ASSERT_NE(app.Snesmain, nullptr);
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(main().windowTitle().toStdString(), "Kivalto v3.4.0 by Tobin Vearle");
}
