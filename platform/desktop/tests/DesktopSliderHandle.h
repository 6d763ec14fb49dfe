#pragma once
// Where a slider's handle stands, for tests that drag it as a person does.
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

inline QRect DesktopSliderHandle(const QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.tickPosition = slider->tickPosition();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}
