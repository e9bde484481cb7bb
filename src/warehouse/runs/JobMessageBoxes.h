#pragma once
// How the warehouse's runs talk to the user on screen: a run's messages and
// the write-back's question as message boxes of the program's notifier.
#include "jobs/JobRunner.h"
#include "jobs/WriteBackRun.h"

class QWidget;

namespace tervalo::platform {
class Notifier;
}

namespace tervalo::warehouse {

// A run's message as a box over the window the runner names (none: the
// program's), the focus left where it is.
jobs::JobRunner::ShowMessage messageBoxesOf(platform::Notifier& notifier);

// The question as a message box of `notifier` asks it: Yes all items, No the
// current one, anything else Cancel.
jobs::WriteBackQuestion askWithBox(platform::Notifier& notifier, QWidget* parent);

}  // namespace tervalo::warehouse
