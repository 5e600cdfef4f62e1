// SPDX-License-Identifier: MIT
// qtbell.cpp: the freedesktop sound theme's "bell" through libcanberra.
#include "qtbell.h"

#include <QApplication>

#include <canberra.h>

namespace platform {

QtBell::QtBell()
    : name(QCoreApplication::applicationName().toUtf8()),
      id(QGuiApplication::desktopFileName().toUtf8())
{ }

void QtBell::ring()
{
    {
        std::lock_guard lock(mutex);
        ++pending;
    }
    wake.notify_one();
}

void QtBell::run(std::stop_token stop)
{
    ca_context *context = nullptr;
    const bool open
            = ca_context_create(&context) == CA_SUCCESS
              && ca_context_change_props(context, CA_PROP_APPLICATION_NAME, name.constData(),
                                         CA_PROP_APPLICATION_ID, id.constData(), nullptr)
                         == CA_SUCCESS
              && ca_context_open(context) == CA_SUCCESS;
    // Kept in the sound server, each beep starts without reading or decoding the file.
    if (open)
        ca_context_cache(context, CA_PROP_EVENT_ID, "bell", nullptr);

    std::unique_lock lock(mutex);
    while (wake.wait(lock, stop, [this] { return pending > 0; })) {
        --pending;
        lock.unlock();
        const bool played = open
                            && ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell",
                                               CA_PROP_EVENT_DESCRIPTION, "Beep", nullptr)
                                       == CA_SUCCESS;
        if (!played)
            QMetaObject::invokeMethod(
                    qApp, [] { QApplication::beep(); }, Qt::QueuedConnection);
        lock.lock();
    }
    if (context)
        ca_context_destroy(context);
}

} // namespace platform
