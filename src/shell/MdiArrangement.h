#pragma once
// Arrangements of the main window's child windows that QMdiArea lacks:
// horizontal bands, vertical columns, and the minimised windows lined up along
// the bottom edge.
class QMdiArea;

namespace tervalo::shell::MdiArrangement {

// The open, not minimised child windows one above the other, each full width.
void tileHorizontally(QMdiArea* area);
// The same side by side, each full height.
void tileVertically(QMdiArea* area);
// The minimised child windows in rows from the bottom left corner.
void arrangeIcons(QMdiArea* area);

}  // namespace tervalo::shell::MdiArrangement
