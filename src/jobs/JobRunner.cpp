#include "jobs/JobRunner.h"

#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

namespace tervalo::jobs {

namespace {

// The shortest time between two publications of a running job.
constexpr int kPublishEveryMs = 50;

}  // namespace

// What the worker hands over and the runner takes, under one lock.
struct JobRunner::Shared {
    std::mutex mutex;
    std::condition_variable answered;
    std::shared_ptr<LogFile> log;
    bool logGrown = false;
    std::optional<std::pair<int, int>> pendingProgress;
    bool publishPosted = false;
    std::optional<core::CheckMessage> question;
    bool questionAnswered = false;
    bool abandoned = false;  // the runner is going: no question is asked any more
    std::atomic<bool> cancelled{false};
};

// The job's side, called on the worker thread.
class JobRunner::Control : public JobControl {
public:
    Control(JobRunner* runner, std::shared_ptr<Shared> shared) : m_runner(runner), m_shared(std::move(shared)) {}

    bool cancelled() const override { return m_shared->cancelled; }

    void appendLog(const QString& text) override {
        m_shared->log->append(text);
        std::lock_guard lock(m_shared->mutex);
        m_shared->logGrown = true;
        postPublish();
    }

    void setProgress(int done, int total) override {
        std::lock_guard lock(m_shared->mutex);
        m_shared->pendingProgress = {done, total};
        postPublish();
    }

    void show(const core::CheckMessage& message) override {
        std::unique_lock lock(m_shared->mutex);
        if (m_shared->abandoned) return;
        m_shared->question = message;
        m_shared->questionAnswered = false;
        QMetaObject::invokeMethod(
            m_runner, [runner = m_runner] { runner->answer(); }, Qt::QueuedConnection);
        m_shared->answered.wait(lock, [this] { return m_shared->questionAnswered || m_shared->abandoned; });
    }

private:
    // One publication at a time is on its way; later pieces join it.
    void postPublish() {
        if (m_shared->publishPosted) return;
        m_shared->publishPosted = true;
        QMetaObject::invokeMethod(
            m_runner, [runner = m_runner] { runner->publishSoon(); }, Qt::QueuedConnection);
    }

    JobRunner* m_runner;
    std::shared_ptr<Shared> m_shared;
};

JobRunner::JobRunner(ShowMessage showMessage, QObject* parent)
    : QObject(parent), m_showMessage(std::move(showMessage)), m_publishTimer(new QTimer(this)) {
    m_publishTimer->setSingleShot(true);
    connect(m_publishTimer, &QTimer::timeout, this, &JobRunner::publish);
    m_sincePublished.start();
}

JobRunner::~JobRunner() {
    if (!m_thread) return;
    cancel();
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->abandoned = true;
    }
    m_shared->answered.notify_all();
    m_thread->wait();
    delete m_thread;
}

bool JobRunner::start(Job job, std::function<void()> done) {
    if (m_thread) return false;
    m_shared = std::make_shared<Shared>();
    m_log = std::make_shared<LogFile>();
    m_shared->log = m_log;
    m_done = std::move(done);
    m_thread =
        QThread::create([job = std::move(job), control = std::make_shared<Control>(this, m_shared)] { job(*control); });
    connect(m_thread, &QThread::finished, this, &JobRunner::onThreadFinished, Qt::QueuedConnection);
    emit started();
    emit runningChanged(true);
    m_thread->start();
    return true;
}

void JobRunner::cancel() {
    if (m_shared) m_shared->cancelled = true;
}

void JobRunner::publishSoon() {
    if (m_publishTimer->isActive()) return;
    m_publishTimer->start(int(std::max<qint64>(0, kPublishEveryMs - m_sincePublished.elapsed())));
}

void JobRunner::publish() {
    m_publishTimer->stop();
    m_sincePublished.restart();
    bool grown = false;
    std::optional<std::pair<int, int>> progress;
    {
        std::lock_guard lock(m_shared->mutex);
        std::swap(grown, m_shared->logGrown);
        progress.swap(m_shared->pendingProgress);
        m_shared->publishPosted = false;
    }
    if (grown) emit logAppended();
    if (progress) emit progressChanged(progress->first, progress->second);
}

// The log up to the question is out before the box opens.
void JobRunner::answer() {
    publish();
    std::optional<core::CheckMessage> question;
    {
        std::lock_guard lock(m_shared->mutex);
        question = m_shared->question;
    }
    if (question) m_showMessage(m_messageParent, *question);
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->question.reset();
        m_shared->questionAnswered = true;
    }
    m_shared->answered.notify_all();
}

void JobRunner::onThreadFinished() {
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    publish();
    std::function<void()> done = std::move(m_done);
    m_done = nullptr;
    emit finished();
    emit runningChanged(false);
    if (done) done();
}

}  // namespace tervalo::jobs
