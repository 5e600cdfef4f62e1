// SPDX-License-Identifier: MIT
// settingsstore.cpp: this copy's writes over the stored values, saves held against other copies,
// failures told once.
#include "settingsstore.h"

#include <utility>

namespace platform {

SettingsStore::SettingsStore(StoreBackend &backend) : backend(backend)
{
    backend.report = [this](const StoreFailure &failure) { note(failure); };
}

std::string SettingsStore::read(const std::string &app, const std::string &section,
                                const std::string &key, const std::string &fallback)
{
    const StoreAddress address{app, section, key};
    if (const auto mine = unsaved.find(address); mine != unsaved.end())
        return mine->second;
    return backend.read(address).value_or(fallback);
}

void SettingsStore::write(const std::string &app, const std::string &section,
                          const std::string &key, const std::string &value)
{
    const Step step(*this, app);
    unsaved[{app, section, key}] = value;
}

SettingsStore::Step::Step(SettingsStore &store, std::string app) : store(store), app(std::move(app))
{
    ++store.stepsUnderWay;
    if (store.steps[this->app]++ == 0)
        store.hold(this->app);
}

SettingsStore::Step::~Step()
{
    if (--store.steps[app] == 0)
        store.release(app);
    --store.stepsUnderWay;
    store.tell();
}

void SettingsStore::hold(const std::string &app)
{
    if (backend.lock(app, lockWaitMs))
        locked.insert(app);
    else
        note({StoreFailure::Busy, app, "another copy of the game"});
}

void SettingsStore::release(const std::string &app)
{
    std::map<StoreAddress, std::string> values;
    for (const auto &[address, value] : unsaved)
        if (std::get<0>(address) == app)
            values.emplace(address, value);
    if (!values.empty() && backend.write(app, values))
        std::erase_if(unsaved, [&](const auto &entry) { return values.contains(entry.first); });
    if (locked.erase(app))
        backend.unlock(app);
}

void SettingsStore::note(const StoreFailure &failure)
{
    untold.push_back(failure);
    tell();
}

// A message waits for the player: never in the middle of a step.
void SettingsStore::tell()
{
    if (stepsUnderWay > 0 || !onFailure)
        return;
    for (const StoreFailure &failure : std::exchange(untold, {}))
        if (told.insert(failure.kind).second)
            onFailure(failure);
}

} // namespace platform
