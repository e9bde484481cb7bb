#pragma once
// A message a window shows when an input check fails: the text, the box's title
// (empty: the program's title), its icon, and the input box that gets the focus
// back. The core only describes it; the window shows it.
#include <string>

namespace tervalo::core::lotsize {

enum class MessageIcon { None, Exclamation, Information };

struct CheckMessage {
    std::string text;
    std::string title;  // empty: the program's title
    MessageIcon icon = MessageIcon::None;
    std::string focusBox;  // objectName of the box, e.g. "txtDiscRate"

    bool operator==(const CheckMessage&) const = default;
};

}  // namespace tervalo::core::lotsize
