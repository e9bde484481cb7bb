#pragma once
// The system's beep, behind an interface so tests can count beeps instead of
// hearing them.
namespace tervalo::platform {

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep();  // QApplication::beep()
};

}  // namespace tervalo::platform
