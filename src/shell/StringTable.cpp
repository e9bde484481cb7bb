#include "shell/StringTable.h"

#include <array>

namespace tervalo::shell {

namespace {

// Indexed by id - 1000. The texts are the user's: keep them word for word.
constexpr std::array<const char*, StringTable::kLastId - StringTable::kFirstId + 1> kEntries = {
    // 1000-1012 File menu
    "&File",
    "&New",
    "&Open...",
    "&Close",
    "&Save",
    "Save &As...",
    "Save A&ll",
    "Propert&ies",
    "Page Set&up...",
    "Print Pre&view",
    "&Print...",
    "Sen&d...",
    "E&xit",
    // 1013-1018 Edit menu
    "&Edit",
    "&Undo",
    "Cu&t",
    "&Copy",
    "&Paste",
    "Paste &Special...",
    // 1019-1024 View menu
    "&View",
    "&Toolbar",
    "Status &Bar",
    "&Refresh",
    "&Options...",
    "&Web Browser",
    // 1025-1026 Tools menu
    "&Tools",
    "&Options...",
    // 1027-1032 Window menu
    "&Window",
    "&New Window",
    "&Cascade",
    "Tile &Horizontal",
    "Tile &Vertical",
    "&Arrange Icons",
    // 1033-1036 Help menu (1036 keeps its trailing blank)
    "&Help",
    "&Contents",
    "&Search For Help On...",
    "&About ",
    // 1037-1049 toolbar tool tips
    "New",
    "Open",
    "Save",
    "Print",
    "Cut",
    "Copy",
    "Paste",
    "Bold",
    "Italic",
    "Underline",
    "Align Left",
    "Center",
    "Align Right",
    // 1050-1057 placeholder captions of the splash window's labels
    "Licensed to",
    "Product",
    "Platform",
    "Version",
    "Warning",
    "Company",
    "Copyright",
    "Company Product",
    // 1058-1062 login dialog
    "Login",
    "&User Name:",
    "&Password:",
    "OK",
    "Cancel",
    // 1063-1070 options dialog
    "Options",
    "Sample 1",
    "Sample 2",
    "Sample 3",
    "Sample 4",
    "&Apply",
    "Cancel",
    "OK",
    // 1071-1077 About window
    "About Tervalo",
    "&System Info...",
    "OK",
    "Warning: ...",
    "Version",
    "Application Title",
    "App Description",
    // 1078-1084 web browser
    "Back",
    "Forward",
    "Stop",
    "Refresh",
    "Home",
    "Search",
    "&Address:",
};

}  // namespace

std::optional<QString> StringTable::text(int id) {
    if (id < kFirstId || id > kLastId) return std::nullopt;
    return QString::fromUtf8(kEntries[static_cast<std::size_t>(id - kFirstId)]);
}

}  // namespace tervalo::shell
