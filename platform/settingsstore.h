// SPDX-License-Identifier: MIT
// settingsstore.h: per-user text values that survive a restart, addressed by application,
// section and key, and the rules every build keeps them by.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace platform {

// Application, section, key.
using StoreAddress = std::tuple<std::string, std::string, std::string>;

// What went wrong with the store, for the program to tell the player.
struct StoreFailure
{
    enum Kind {
        Unreadable, // what is stored cannot be read: the defaults stand in, and it is kept as it is
        Unwritable, // what this copy writes is not stored
        Busy,       // another copy of the program held the store too long: this one went on
    };
    Kind kind;
    std::string where; // the file or the registry key
    std::string why;   // the system's reason
};

// What a build keeps the values in. It reads and writes them, holds the other copies of the
// program off them, and reports what goes wrong; the rules are the store's.
class StoreBackend
{
public:
    virtual ~StoreBackend() = default;
    // The text stored at the address as it is now, saved by any copy; none where there is none
    // that can be read.
    virtual std::optional<std::string> read(const StoreAddress &address) = 0;
    // Stores the values of one application: false where they could not be. A copy that holds
    // the lock sees all of them or none.
    virtual bool write(const std::string &app, const std::map<StoreAddress, std::string> &values)
            = 0;
    // Holds every other copy of the program off app's values until unlock(app). False where one
    // of them still holds them after ms milliseconds.
    virtual bool lock(const std::string &app, int ms) = 0;
    virtual void unlock(const std::string &app) = 0;

    std::function<void(const StoreFailure &)> report; // set by the store
};

// The store every build uses. A read gives the value as it is stored now, with what this copy
// wrote and has not saved over it: in the step under way, or where saving failed (it is tried
// again with the next save). A write is saved at once, and the writes of a step together at its
// end. Every save and every step holds the other copies of the program off the
// store, for a moment at most; a window never waits for the player while it does. Each kind of
// failure is told once, by onFailure, once no step is under way.
class SettingsStore
{
public:
    explicit SettingsStore(StoreBackend &backend);
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // The stored text, or fallback when nothing readable is stored there.
    std::string read(const std::string &app, const std::string &section, const std::string &key,
                     const std::string &fallback);
    void write(const std::string &app, const std::string &section, const std::string &key,
               const std::string &value);

    // Reads, judgements and writes that no other copy's save comes between, from its
    // construction to its destruction; steps of one application may nest.
    class Step
    {
    public:
        Step(SettingsStore &store, std::string app);
        ~Step();
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        SettingsStore &store;
        const std::string app;
    };

    std::function<void(const StoreFailure &)> onFailure;

    // How long a copy waits for another's step before it goes on without.
    static constexpr int lockWaitMs = 1000;

private:
    void hold(const std::string &app);
    void release(const std::string &app);
    void note(const StoreFailure &failure);
    void tell();

    StoreBackend &backend;
    std::map<std::string, int> steps; // by application: steps under way
    int stepsUnderWay = 0;
    std::set<std::string> locked; // applications whose lock this copy holds
    std::map<StoreAddress, std::string> unsaved;
    std::vector<StoreFailure> untold; // noted in a step, or before there was anyone to tell
    std::set<StoreFailure::Kind> told;
};

} // namespace platform
