#pragma once
// The time-scale options of the lot-size windows (optTime_0..2): the unit each
// option stands for and the captions shown for the units.
#include <QString>
#include <QStringList>
#include <string_view>

#include "core/lotsize/TimeUnit.h"

namespace tervalo::widgets {

// The units of the options, in option order.
inline constexpr core::lotsize::TimeUnit kTimeUnitOptions[] = {
    core::lotsize::TimeUnit::Year, core::lotsize::TimeUnit::Month, core::lotsize::TimeUnit::Week};

// "Year", "Month" or "Week": an option's caption and the unit labels' text.
inline QString timeUnitCaption(core::lotsize::TimeUnit unit) {
    const std::string_view text = core::lotsize::timeUnitText(unit);
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The captions of the options, in option order.
inline QStringList timeUnitOptionCaptions() {
    QStringList captions;
    for (core::lotsize::TimeUnit unit : kTimeUnitOptions)
        captions << timeUnitCaption(unit);
    return captions;
}

}  // namespace tervalo::widgets
