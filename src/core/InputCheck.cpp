#include "core/InputCheck.h"

#include "core/NumberText.h"

namespace tervalo::core {

double leadingNumberOf(const std::string& text) { return leadingNumber(text); }

namespace {

bool fails(const InputCheck& check, std::span<const std::string> texts) {
    const std::string& text = texts[static_cast<std::size_t>(check.field)];
    switch (check.rule) {
        case CheckRule::Empty:
            return text.empty();
        case CheckRule::NotNumber:
            return !isNumber(text);
        case CheckRule::Text:
            return text == check.literal;
        case CheckRule::BelowField:
            return leadingNumber(text) < leadingNumber(texts[static_cast<std::size_t>(check.other)]);
        case CheckRule::NotBelowField:
            return !(leadingNumber(text) < leadingNumber(texts[static_cast<std::size_t>(check.other)]));
        case CheckRule::NotAboveField:
            return !(leadingNumber(text) > leadingNumber(texts[static_cast<std::size_t>(check.other)]));
        case CheckRule::OutsideRange: {
            const double x = leadingNumber(text);
            return x < check.low || x >= check.high;
        }
    }
    return false;
}

}  // namespace

std::optional<CheckMessage> firstFailedCheck(std::span<const InputCheck> checks, std::span<const std::string> texts) {
    for (const InputCheck& check : checks) {
        if (!fails(check, texts)) continue;
        const std::string& text = texts[static_cast<std::size_t>(check.field)];
        std::string message = check.compose ? check.compose(leadingNumber(text)) : std::string(check.message);
        return CheckMessage{std::move(message), check.title, check.icon, check.field};
    }
    return std::nullopt;
}

}  // namespace tervalo::core
