// SPDX-License-Identifier: MIT
// speed.cpp: the speed slider: its value sets the playback interval, and is stored.
#include "speed.h"
#include "frmmain.h"

#include "appinfo.h"

#include <string>

using platform::SettingsStore;

namespace {

const std::string section = "Settings";
const std::string key = "speed";

} // namespace

void frmMain::SliderChange()
{
    StepInterval = stepInterval(Slider->value());
    lblTimerInterval->setCaption(std::to_string(Slider->value()));
    // Stored once the slider rests, so that a drag is stored once, not at every step.
    tmrSaveSpeed->setEnabled(false);
    if (Slider->value() != speedFromText(storedSpeed))
        tmrSaveSpeed->setEnabled(true);
}

void frmMain::LoadSpeed()
{
    storedSpeed = services.settingsStore().read(std::string(app::Title), section, key,
                                                std::to_string(DefaultSpeed));
    Slider->setValue(speedFromText(storedSpeed));
    // The slider may or may not report setting a value it already holds.
    SliderChange();
}

// The shutdown's save step. The speed is stored unless another copy has stored one since this
// copy last read or stored it and this copy has set none since: the copy that set it last
// keeps it.
void frmMain::SaveSpeed()
{
    const std::string title(app::Title);
    const SettingsStore::Step step(services.settingsStore(), title);
    if (tmrSaveSpeed->isEnabled()
        || services.settingsStore().read(title, section, key, std::to_string(DefaultSpeed))
                   == storedSpeed)
        storeSpeed();
}

void frmMain::storeSpeed()
{
    tmrSaveSpeed->setEnabled(false);
    storedSpeed = std::to_string(Slider->value());
    services.settingsStore().write(std::string(app::Title), section, key, storedSpeed);
}
