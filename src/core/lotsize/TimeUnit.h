#pragma once
// The time unit of a lot-size model: demand, holding cost and the cost table are
// per unit; order intervals are shown in days.
#include <string_view>

namespace tervalo::core::lotsize {

enum class TimeUnit { Year, Month, Week };

// "Year", "Month", "Week": the option captions and the stored TimeUnit column.
constexpr std::string_view timeUnitText(TimeUnit unit) {
    switch (unit) {
        case TimeUnit::Month:
            return "Month";
        case TimeUnit::Week:
            return "Week";
        case TimeUnit::Year:
            break;
    }
    return "Year";
}

// Days per unit when an ordering cycle is turned into an interval in days.
constexpr int daysPerUnit(TimeUnit unit) {
    switch (unit) {
        case TimeUnit::Month:
            return 30;
        case TimeUnit::Week:
            return 7;
        case TimeUnit::Year:
            break;
    }
    return 365;
}

// The wizard passes its unit in lower case, so the comparison is exact; any
// other text ("Week", " week") means Year.
constexpr TimeUnit timeUnitFromWizardText(std::string_view text) {
    if (text == "month") {
        return TimeUnit::Month;
    }
    if (text == "week") {
        return TimeUnit::Week;
    }
    return TimeUnit::Year;
}

}  // namespace tervalo::core::lotsize
