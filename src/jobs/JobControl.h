#pragma once
// What a long run over the warehouse's items (the batch analysis, the
// write-back) is given to talk to the user while it works. The run itself is
// plain code that may run on a worker thread; whoever runs it decides how its
// log, progress and messages reach the screen. Tests record them.
#include <QString>

#include "core/CheckMessage.h"

namespace tervalo::jobs {

class JobControl {
public:
    virtual ~JobControl();
    // True once the user has asked the run to stop; the run checks it between items.
    virtual bool cancelled() const = 0;
    // Appends text (CR LF line ends inside) to the run's log.
    virtual void appendLog(const QString& text) = 0;
    // done of total items handled.
    virtual void setProgress(int done, int total) = 0;
    // Shows a message as a modal box would and returns once the user has closed it.
    virtual void show(const core::CheckMessage& message) = 0;
};

}  // namespace tervalo::jobs
