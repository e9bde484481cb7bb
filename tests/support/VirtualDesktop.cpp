#include "support/VirtualDesktop.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

namespace tervalo::test {

namespace {

constexpr int kStartMs = 15000;

// The number after `label` in xwininfo's answer ("  Width: 1207").
int field(const QString& info, const QString& label) {
    const QRegularExpression line("^\\s*" + QRegularExpression::escape(label) + ":\\s*(-?\\d+)",
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).toInt();
}

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.kill();
    process.waitForFinished(5000);
}

}  // namespace

VirtualDesktop::VirtualDesktop(int width, int height) {
    QStringList absent;
    for (const char* program : {"Xvfb", "openbox", "xwininfo", "xprop"})
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty()) absent << QLatin1String(program);
    m_missing = absent.join(QStringLiteral(", "));
    if (!m_missing.isEmpty()) return;

    // The server picks a free display number and writes it to its output when it is ready.
    m_server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0",
                                            QStringLiteral("%1x%2x24").arg(width).arg(height)});
    const QDeadlineTimer deadline(kStartMs);
    QByteArray number;
    while (!number.contains('\n') && !deadline.hasExpired() && m_server.waitForReadyRead(200))
        number += m_server.readAllStandardOutput();
    if (!number.contains('\n')) {
        m_failure = "Xvfb did not start: " + QString::fromLocal8Bit(m_server.readAllStandardError());
        stop(m_server);
        return;
    }
    m_display = ":" + QString::fromLatin1(number.trimmed());

    m_manager.setProcessEnvironment(environment());
    m_manager.start(QStringLiteral("openbox"), {"--sm-disable"});
    while (!managerReady() && !deadline.hasExpired() && m_manager.state() != QProcess::NotRunning)
        QThread::msleep(50);
    m_running = managerReady();
    if (!m_running) m_failure = "openbox did not start: " + QString::fromLocal8Bit(m_manager.readAllStandardError());
}

VirtualDesktop::~VirtualDesktop() {
    stop(m_manager);
    stop(m_server);
}

QProcessEnvironment VirtualDesktop::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QString VirtualDesktop::output(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// A window manager that follows the desktop conventions names itself on the root window.
bool VirtualDesktop::managerReady() const {
    return output(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
}

QRect VirtualDesktop::managedFrame(const QString& title) const {
    const QString tree = output(QStringLiteral("xwininfo"), {"-root", "-tree"});
    const QRegularExpression named("^\\s*(0x[0-9a-f]+) \"" + QRegularExpression::escape(title) + "\": \\(",
                                   QRegularExpression::MultilineOption);
    for (auto it = named.globalMatch(tree); it.hasNext();) {
        const QString id = it.next().captured(1);
        const QString props = output(QStringLiteral("xprop"), {"-id", id, "_NET_FRAME_EXTENTS", "_NET_WM_WINDOW_TYPE"});
        const QRegularExpression extents("_NET_FRAME_EXTENTS\\(CARDINAL\\) = (\\d+), (\\d+), (\\d+), (\\d+)");
        const QRegularExpressionMatch e = extents.match(props);
        if (!e.hasMatch() || !props.contains("_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL")) continue;
        const QString info = output(QStringLiteral("xwininfo"), {"-id", id});
        if (!info.contains("Map State: IsViewable")) continue;
        const int left = e.captured(1).toInt(), right = e.captured(2).toInt();
        const int top = e.captured(3).toInt(), bottom = e.captured(4).toInt();
        return QRect(field(info, "Absolute upper-left X") - left, field(info, "Absolute upper-left Y") - top,
                     field(info, "Width") + left + right, field(info, "Height") + top + bottom);
    }
    return QRect();
}

}  // namespace tervalo::test
