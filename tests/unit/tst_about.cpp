// SPDX-License-Identifier: MIT
// tst_about.cpp: the About window starts afresh at every opening, however the last one ended.
#include "unittest.h"

#include "fakeplatform.h"
#include "frmmain.h"

using namespace platform;

TEST(everyOpeningStartsAfresh)
{
    for (const std::string way : {"OK", "its own close box"})
        unit::row(way, [&] {
            FakePlatform fake;
            frmMain form(fake);
            std::vector<std::string> versions;
            fake.whileModal = [&](FakeWindow &w) {
                versions.push_back(w.labels[0].caption());
                w.labels[0].setCaption("changed"); // a mark that a reused window would keep
                way == "OK" ? FakePlatform::click(w.buttons[0]) : w.close();
            };
            for (int opening = 1; opening <= 2; ++opening)
                FakePlatform::click(*form.About);
            CHECK_EQ(fake.modalsShown, (std::vector<std::string>(2, "About Tolvane")));
            CHECK_EQ(versions, (std::vector<std::string>(2, "v1.0.0")));
            CHECK(!fake.findWindow("About Tolvane"));
        });
}
