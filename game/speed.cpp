// speed.cpp: the speed slider: its value sets the playback interval.
#include "frmmain.h"

#include <string>

void frmMain::SliderChange()
{
    StepInterval = static_cast<std::int16_t>(1000 - Slider->value());
    lblTimerInterval->setCaption(std::to_string(Slider->value()));
}
