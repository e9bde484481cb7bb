#include "core/RuntimeError.h"

namespace tervalo::core {

std::string RuntimeError::standardDescription(ErrorCode code) {
    switch (code) {
        case ErrorCode::InvalidCall:
            return "Invalid procedure call or argument";
        case ErrorCode::Overflow:
            return "Overflow";
        case ErrorCode::DivisionByZero:
            return "Division by zero";
        case ErrorCode::TypeMismatch:
            return "Type mismatch";
        case ErrorCode::Database:
            return "Database error";
        case ErrorCode::Other:
            break;
    }
    return "Application-defined or object-defined error";
}

}  // namespace tervalo::core
