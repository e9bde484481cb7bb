#pragma once
// The key filter of the number input boxes.

namespace tervalo::core {

// Keeps the character codes a number box accepts: 8 (backspace), ".", 10 (line
// feed), 13 (carriage return) and "0" to "9" pass unchanged; every other code
// gives 0, which drops the key ("-", "," and "e" are dropped too).
int numericKeyFilter(int keyAscii);

}  // namespace tervalo::core
