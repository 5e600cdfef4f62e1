// SPDX-License-Identifier: MIT
// speed.cpp: the speed slider: its value sets the playback interval.
#include "speed.h"
#include "frmmain.h"

#include "appinfo.h"

#include <string>

namespace {

const std::string section = "Settings";
const std::string key = "speed";

} // namespace

void frmMain::SliderChange()
{
    StepInterval = stepInterval(Slider->value());
    lblTimerInterval->setCaption(std::to_string(Slider->value()));
}

void frmMain::LoadSpeed()
{
    const std::string text = services.settingsStore().read(std::string(app::Title), section, key,
                                                           std::to_string(DefaultSpeed));
    Slider->setValue(speedFromText(text));
    // The slider may or may not report setting a value it already holds.
    SliderChange();
}

void frmMain::SaveSpeed()
{
    services.settingsStore().write(std::string(app::Title), section, key,
                                   std::to_string(Slider->value()));
}
