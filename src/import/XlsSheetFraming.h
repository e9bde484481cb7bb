#pragma once
// What the workbook reader (tervalo-xls-reader, a process of its own) hands
// back to the import: the pairs of the first worksheet's used range, or why
// the workbook gave none, framed so that the import can tell a whole answer
// from a cut-off or garbled one. Plain C++: the reader links no Qt.
//
//   tervalo-xls 1\n
//   problem CODE\n                     (0 none; see XlsProblem)
//   pairs N\n                          (N at most kMaxSheetPairs)
//   ROW NAMEBYTES VALUEBYTES\nNAMEVALUE\n    N times; ROW is the sheet row, from 1
//   end\n
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tervalo::import {

// Pairs per record at most, as the stored record counts them (kMaxPairs).
constexpr std::size_t kMaxSheetPairs = 32767;

enum class XlsProblem {
    None,
    NotAWorkbook,   // libfreexl cannot open it
    Password,       // protected by a password
    NoSheet,        // no worksheet that can be read
    SheetTooLarge,  // more cells than a record of pairs can be
    TooManyRows,    // a used range of more than kMaxSheetPairs rows
};

struct XlsPair {
    std::string name;   // UTF-8
    std::string value;  // UTF-8
    unsigned row = 0;   // the sheet row, from 1
};

struct XlsSheet {
    XlsProblem problem = XlsProblem::None;
    std::vector<XlsPair> pairs;
};

// Whether the code is built with AddressSanitizer (the sanitizer test build
// and the fuzz build).
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kBuiltWithAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kBuiltWithAddressSanitizer = true;
#else
inline constexpr bool kBuiltWithAddressSanitizer = false;
#endif
#else
inline constexpr bool kBuiltWithAddressSanitizer = false;
#endif

// Whether the workbook reader limits its address space: not when it is built
// with AddressSanitizer, whose shadow memory alone reserves terabytes of it.
inline constexpr bool kReaderLimitsAddressSpace = !kBuiltWithAddressSanitizer;

std::string encodeSheet(const XlsSheet& sheet);
// nullopt for anything but one whole, well-formed answer.
std::optional<XlsSheet> decodeSheet(std::string_view bytes);

}  // namespace tervalo::import
