// SPDX-License-Identifier: MIT
// storefailure.cpp: the texts of the settings store's failures.
#include "storefailure.h"

#include "appinfo.h"

using platform::StoreFailure;

std::string storeFailureText(const StoreFailure &failure)
{
    const std::string title(app::Title);
    switch (failure.kind) {
    case StoreFailure::Unreadable:
        return title + " could not read its settings from\r\n" + failure.where + "\r\n("
               + failure.why
               + ").\r\n\r\nThe game goes on with the defaults in their place, and keeps what "
                 "it could not read as it is.";
    case StoreFailure::Unwritable:
        return title + " could not save its settings to\r\n" + failure.where + "\r\n(" + failure.why
               + ").\r\n\r\nThe game goes on, but the speed and the high scores of this "
                 "session are not stored.";
    case StoreFailure::Busy:
        break;
    }
    return "Another copy of " + title
           + " has held the settings for more than a second.\r\n\r\nThis one goes on without "
             "waiting, so that the copy that saves last may save over the other's high score.";
}
