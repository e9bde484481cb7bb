#pragma once
// Arrangements of the main window's child windows: cascaded, in horizontal
// bands, in vertical columns (which QMdiArea lacks), and the minimised windows
// lined up along the bottom edge. The child window `keep` (the guidance board),
// when given, keeps its size and place.
class QMdiArea;
class QMdiSubWindow;

namespace tervalo::shell::MdiArrangement {

// The open, not minimised child windows cascaded as the area does it.
void cascade(QMdiArea* area, QMdiSubWindow* keep = nullptr);
// The open, not minimised child windows one above the other, each full width.
void tileHorizontally(QMdiArea* area, const QMdiSubWindow* keep = nullptr);
// The same side by side, each full height.
void tileVertically(QMdiArea* area, const QMdiSubWindow* keep = nullptr);
// The minimised child windows in rows from the bottom left corner.
void arrangeIcons(QMdiArea* area);

}  // namespace tervalo::shell::MdiArrangement
