// SPDX-License-Identifier: MIT
// tst_settingsstore.cpp: the rules every build's store keeps: saves at once or at a step's end,
// this copy's writes over what is stored, the other copies held off, failures told once and
// never in the middle of a step.
#include "unittest.h"

#include "fakeplatform.h"

using namespace platform;

TEST_CASE("storeRules")
{
    FakeStore backend;
    SettingsStore store(backend);
    std::vector<StoreFailure::Kind> told;
    store.onFailure = [&](const StoreFailure &failure) {
        CHECK_EQ(backend.locks, 0); // never while other copies wait
        told.push_back(failure.kind);
    };
    store.write("A", "S", "one", "1");
    CHECK_EQ(backend.saves, (std::vector<std::vector<std::string>>{{"A/S/one"}}));
    CHECK_EQ(backend.locks, 0);
    {
        const SettingsStore::Step step(store, "A");
        store.write("A", "S", "two", "2");
        store.write("A", "S", "one", "one");
        CHECK_EQ(store.read("A", "S", "one", ""), "one"); // this copy's, not saved yet
        CHECK_EQ(backend.values["A/S/one"], "1");
        CHECK_EQ(backend.locks, 1);
    }
    CHECK_EQ(backend.saves.back(), (std::vector<std::string>{"A/S/one", "A/S/two"}));

    backend.failing = true;
    store.write("A", "S", "three", "3");
    store.write("A", "S", "three", "three");
    CHECK_EQ(store.read("A", "S", "three", ""), "three"); // unsaved, still this copy's
    backend.failing = false;
    backend.busy = true;
    {
        const SettingsStore::Step step(store, "A");
        store.write("A", "S", "four", "4");
        CHECK(told.size() == 1); // the failure so far; the busy store once the step is done
    }
    CHECK_EQ(told, (std::vector{StoreFailure::Unwritable, StoreFailure::Busy}));
    CHECK_EQ(backend.saves.back(), (std::vector<std::string>{"A/S/four", "A/S/three"}));
    CHECK_EQ(backend.values["A/S/three"], "three"); // tried again with the next save
    store.write("A", "S", "five", "5");
    CHECK_EQ(told.size(), 2u); // each kind once
    CHECK_EQ(backend.locks, 0);
}
