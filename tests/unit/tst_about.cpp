// SPDX-License-Identifier: MIT
// tst_about.cpp: the About window on the fake platform: its texts, and that every way out unloads
// it.
#include "unittest.h"

#include "fakeplatform.h"
#include "frmabout.h"
#include "frmmain.h"

using namespace platform;

TEST(versionTexts)
{
    CHECK_EQ(versionText(1, 0, 0), "v1.0.0");
    CHECK_EQ(versionText(2, 10, 3), "v2.10.3"); // two digits are not padded
    CHECK_EQ(versionText(1, 5, 0), "v1.5.0");   // one digit is not widened
}

TEST(everyOpeningStartsAfresh)
{
    for (const std::string way : {"OK", "Enter", "Escape", "its own close box"}) {
        unit::Row row(way);
        FakePlatform fake;
        frmMain form(fake);
        int openings = 0;
        bool closed = true;
        std::string caption;
        std::string version;
        std::string updates = "?";
        fake.whileModal = [&](FakeWindow &w) {
            ++openings;
            caption = w.caption();
            version = w.labels[0]->caption();
            updates = w.frames[0]->textBoxes[0]->text();
            closed = closed && w.design.border == BorderStyle::FixedDialog
                     && w.design.icon == Picture::Information;
            // Leave a mark that a reused window would still show next time.
            w.labels[0]->setCaption("changed");
            if (way == "OK")
                FakePlatform::click(*w.buttons[0]);
            else if (way == "Enter")
                w.pressEnter();
            else if (way == "Escape")
                w.pressEscape();
            else
                w.close();
            closed = closed && w.closed;
        };
        for (int opening = 1; opening <= 2; ++opening) {
            FakePlatform::click(*form.About);
            CHECK_EQ(caption, "About Tolvane");
            CHECK_EQ(version, "v1.0.0");
            CHECK_EQ(updates, "");
            CHECK(closed);
            CHECK(!fake.findWindow("About Tolvane"));
        }
        CHECK_EQ(openings, 2);
    }
}
