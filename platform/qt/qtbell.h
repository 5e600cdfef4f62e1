// SPDX-License-Identifier: MIT
// qtbell.h: the beep: the desktop's own "bell" event sound, or the X bell where no sound
// server answers or libcanberra is missing.
#pragma once

#include <QByteArray>

#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>

namespace platform {

// Sounds are started on a thread of their own, so that a slow sound server never holds up a
// timer or the paint of the arrow a beep goes with. Nothing of the sound system is loaded or
// reached until the first beep is near: a game that is only opened and closed makes no sound.
class QtBell
{
public:
    QtBell();
    // Reaches the sound server and has it keep the sound, so that the first ring is prompt.
    void prepare();
    void ring();

private:
    void run(std::stop_token stop);

    // The sound server shows the sounds under the application's name.
    const QByteArray name;
    const QByteArray id;
    std::mutex mutex;
    std::condition_variable_any wake;
    int pending = 0;
    std::jthread player; // last: its thread uses the above
};

} // namespace platform
