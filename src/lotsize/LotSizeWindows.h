#pragma once
// Registers the lot-size model windows with the window registry under their
// WindowIds, so the menus and the left panel can show or open them fresh.
namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::lotsize {

void registerLotSizeWindows(widgets::AppContext& ctx);

}  // namespace tervalo::lotsize
