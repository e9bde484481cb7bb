#pragma once
// A message a window shows when an input check fails: the text, the box's title
// (empty: the program's title), its icon, and the field whose box gets the
// focus back. The core only describes it (and when the window beeps around
// it); the window shows it.
#include <string>

namespace tervalo::core {

enum class MessageIcon { None, Exclamation, Information };

// When a window beeps around one of its messages.
enum class Beep { None, BeforeMessage, AfterMessage };

struct CheckMessage {
    std::string text;
    std::string title;  // empty: the program's title
    MessageIcon icon = MessageIcon::None;
    int field = -1;  // the model's field enum as a number

    bool operator==(const CheckMessage&) const = default;
};

}  // namespace tervalo::core
