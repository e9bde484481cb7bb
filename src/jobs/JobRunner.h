#pragma once
// Runs one long job over the warehouse's items on a worker thread while the
// windows stay responsive: the job's log goes into a LogFile as it grows, and
// that it grew and the progress reach this object's thread as signals
// (coalesced, so many small pieces cost one update, and at most some twenty a
// second, so a fast job is not held up by the window); its messages are shown
// there through the notifier while the job waits for the answer, and Cancel
// is a flag the job reads between items. The job opens its own database
// connection: a connection belongs to the thread that opened it.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "core/CheckMessage.h"
#include "jobs/JobControl.h"
#include "jobs/LogFile.h"

class QThread;
class QTimer;

namespace tervalo::jobs {

class JobRunner : public QObject {
    Q_OBJECT
public:
    using Job = std::function<void(JobControl&)>;
    // Shows a message of the job over the window given (none: the program's)
    // and returns once the user has closed it.
    using ShowMessage = std::function<void(QObject* over, const core::CheckMessage& message)>;

    explicit JobRunner(ShowMessage showMessage, QObject* parent = nullptr);
    // A run still going is cancelled and waited for.
    ~JobRunner() override;

    // Starts the job on a worker thread; `done` runs on this object's thread
    // after the job has ended and its whole log has been published. False
    // (and nothing started) while another job runs.
    bool start(Job job, std::function<void()> done = {});
    bool running() const { return m_thread != nullptr; }
    // Asks the job to stop at its next check.
    void cancel();
    // The window the job's messages are shown over.
    void setMessageParent(QObject* parent) { m_messageParent = parent; }
    // The log of the current or last run (none before the first).
    std::shared_ptr<LogFile> log() const { return m_log; }

signals:
    // A run has begun, with an empty log().
    void started();
    void logAppended();
    void progressChanged(int done, int total);
    // The job has ended; log() holds its whole log.
    void finished();
    void runningChanged(bool running);

private:
    struct Shared;
    class Control;

    void publishSoon();
    void publish();
    void answer();
    void onThreadFinished();

    ShowMessage m_showMessage;
    QPointer<QObject> m_messageParent;
    std::shared_ptr<Shared> m_shared;
    QThread* m_thread = nullptr;
    std::function<void()> m_done;
    std::shared_ptr<LogFile> m_log;
    QTimer* m_publishTimer = nullptr;  // holds a publication back until its time
    QElapsedTimer m_sincePublished;
};

}  // namespace tervalo::jobs
