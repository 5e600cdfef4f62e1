// SPDX-License-Identifier: MIT
// qtbell.cpp: the freedesktop sound theme's "bell" through libcanberra, loaded when needed.
#include "qtbell.h"

#include <QApplication>
#include <QLibrary>

#include <canberra.h>

namespace platform {

namespace {

template<typename Function>
Function *resolve(QLibrary &library, const char *name)
{
    return reinterpret_cast<Function *>(library.resolve(name));
}

} // namespace

QtBell::QtBell()
    : name(QCoreApplication::applicationName().toUtf8()),
      id(QGuiApplication::desktopFileName().toUtf8())
{ }

void QtBell::prepare()
{
    if (!player.joinable())
        player = std::jthread([this](std::stop_token stop) { run(stop); });
}

void QtBell::ring()
{
    prepare();
    {
        std::lock_guard lock(mutex);
        ++pending;
    }
    wake.notify_one();
}

void QtBell::run(std::stop_token stop)
{
    // Loaded here rather than linked: it brings the sound server's client library and codecs.
    QLibrary canberra(QStringLiteral("canberra"), 0);
    const auto create = resolve<decltype(ca_context_create)>(canberra, "ca_context_create");
    const auto change
            = resolve<decltype(ca_context_change_props)>(canberra, "ca_context_change_props");
    const auto open = resolve<decltype(ca_context_open)>(canberra, "ca_context_open");
    const auto cache = resolve<decltype(ca_context_cache)>(canberra, "ca_context_cache");
    const auto play = resolve<decltype(ca_context_play)>(canberra, "ca_context_play");
    const auto destroy = resolve<decltype(ca_context_destroy)>(canberra, "ca_context_destroy");
    ca_context *context = nullptr;
    const bool opened = create && change && open && cache && play && destroy
                        && create(&context) == CA_SUCCESS
                        && change(context, CA_PROP_APPLICATION_NAME, name.constData(),
                                  CA_PROP_APPLICATION_ID, id.constData(), nullptr)
                                   == CA_SUCCESS
                        && open(context) == CA_SUCCESS;
    // Kept in the sound server, each beep starts without reading or decoding the file. A play
    // uses the kept sound only when asked to; it would stream the file each time.
    if (opened)
        cache(context, CA_PROP_EVENT_ID, "bell", nullptr);

    std::unique_lock lock(mutex);
    while (wake.wait(lock, stop, [this] { return pending > 0; })) {
        --pending;
        lock.unlock();
        const bool played = opened
                            && play(context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                                    "Beep", CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr)
                                       == CA_SUCCESS;
        if (!played)
            QMetaObject::invokeMethod(
                    qApp, [] { QApplication::beep(); }, Qt::QueuedConnection);
        lock.lock();
    }
    if (context)
        destroy(context);
}

} // namespace platform
