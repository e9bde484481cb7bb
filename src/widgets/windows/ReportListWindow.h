#pragma once
// How one part of the program drives a window of another: the window implements
// the interface below, and callers reach it through the registry as that
// interface (WindowRegistry::instanceAs), never by the name of a method or a
// property.
namespace tervalo::widgets {

// frmReport, the list of saved results: 1 EOQ, 2 (s,S), 3 single period uniform, 4 normal.
class ReportListWindow {
public:
    virtual ~ReportListWindow() = default;
    virtual void showList(int list) = 0;
};

}  // namespace tervalo::widgets
