#pragma once
// The string table applied to a window. (The routines that every subsystem
// shares are widgets/ChildForms.h; the numeric key filter is core/KeyFilter.h;
// ExecuteSQL is data/Connection.h.)
class QWidget;

namespace tervalo::shell {

// Replaces captions and tool tips designed as string-table ids with their
// entries; anything that is not an id keeps its designed text. Never reports:
// an id that cannot be read or has no entry leaves its one text as it was.
// Every control of a window other than the main window takes the window's font.
//  - the window: its caption from the "Tag" property read as a whole number;
//  - menus: a QMenu title or QAction text that is a whole number;
//  - toolbars: each action's tool tip that is a whole number;
//  - tab bars: each tab's caption from its tab data, its tip from its tool tip;
//  - tree widgets: each header text from the header's Qt::UserRole data;
//  - labels: the text from the "Tag" property read as a whole number;
//  - other controls: the caption (button text, group box title) from the
//    leading number of "Tag" ("1044x" reads 1044), the tool tip from the
//    leading number of the tool tip, each when that number is above 0.
// Whole numbers are rounded half to even to 16 bits.
void ApplyResourceStrings(QWidget* frm);

}  // namespace tervalo::shell
