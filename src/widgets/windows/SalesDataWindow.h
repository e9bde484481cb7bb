#pragma once
// How one part of the program drives a window of another: the window implements
// the interface below, and callers reach it through the registry as that
// interface (WindowRegistry::instanceAs), never by the name of a method or a
// property.
namespace tervalo::widgets {

// frmSalesData, the item card, as the Data menu drives it.
class SalesDataWindow {
public:
    virtual ~SalesDataWindow() = default;
    virtual void actionViaMenu(bool find, bool import, bool analyze) = 0;
};

}  // namespace tervalo::widgets
