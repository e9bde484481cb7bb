#pragma once
// A run-time error as the windows report it: a number and the description the
// user reads ("Division by zero", "Overflow", ...).
#include <stdexcept>
#include <string>

namespace tervalo::core {

enum class ErrorCode : int {
    InvalidCall = 5,      // "Invalid procedure call or argument"
    Overflow = 6,         // "Overflow"
    DivisionByZero = 11,  // "Division by zero"
    TypeMismatch = 13,    // "Type mismatch"
    Database = 3000,      // description comes from the database
    Other = 9999,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorCode code, const std::string& description) : std::runtime_error(description), m_code(code) {}
    explicit RuntimeError(ErrorCode code) : RuntimeError(code, standardDescription(code)) {}

    ErrorCode code() const { return m_code; }
    std::string description() const { return what(); }

    static std::string standardDescription(ErrorCode code);

private:
    ErrorCode m_code;
};

}  // namespace tervalo::core
