#pragma once
// What a stochastic window's computation hands back: its result, or the
// message that took the result's place (the window shows it and shows no
// result). Run-time faults are raised as RuntimeError instead; the window's
// error handler shows those.
#include <variant>

#include "core/CheckMessage.h"

namespace tervalo::core::stochastic {

template <class Result>
using Outcome = std::variant<Result, CheckMessage>;

using core::Beep;

}  // namespace tervalo::core::stochastic
