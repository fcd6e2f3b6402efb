// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// A measuring probe preloaded (LD_PRELOAD) into an unchanged Qt Widgets program, bexalo or the
// baseline window alike, so that both are measured the same way from the outside:
//   startup  the time from BEXALO_PROBE_T0 (nanoseconds of CLOCK_REALTIME, taken by the shell
//            just before it starts the program) to the end of the first frame: the first
//            event-loop turn after the first Paint event, when Qt has flushed that frame to
//            the display server;
//   memory   after the first frame, the pupil's choices that open both exercise windows (when
//            the program has them), then the peak resident memory (VmHWM) a second later;
//            memory_start the same without opening any window;
//   idle     after the first frame and a 3-second wait for the curtains, the CPU time the
//            process uses over the next 10 seconds.
// The result is one line "name=value" appended to BEXALO_PROBE_OUT; then the program quits
// (unless BEXALO_PROBE_HOLD is set).
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <ctime>
#include <sys/resource.h>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

long peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

void report(const QString &line)
{
    QFile out(qEnvironmentVariable("BEXALO_PROBE_OUT"));
    if (out.open(QIODevice::Append | QIODevice::Text)) {
        out.write(line.toUtf8() + '\n');
    }
    // BEXALO_PROBE_HOLD keeps the program running for a look at its memory map.
    if (qEnvironmentVariableIsEmpty("BEXALO_PROBE_HOLD")) {
        QCoreApplication::exit(0);
    }
}

// A press and release of the left button on the widget named `name`, as the pupil makes them.
void pressOption(const char *name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *w = top->findChild<QWidget *>(QLatin1String(name))) {
            const QPointF centre = QRectF(w->rect()).center();
            QMouseEvent press(QEvent::MouseButtonPress, centre, w->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(w, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, centre, w->mapToGlobal(centre), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &release);
            return;
        }
    }
}

void afterFirstFrame(double firstFrameMs)
{
    const QByteArray mode = qgetenv("BEXALO_PROBE_MODE");
    if (mode == "memory" || mode == "memory_start") {
        // Direction, level, "Vai", for each direction: both exercise windows open.
        for (const char *direction : {"Option1_0", "Option1_1"}) {
            if (mode == "memory") {
                pressOption(direction);
                pressOption("Option2_1");
                pressOption("Option3_0");
            }
        }
        QTimer::singleShot(1000, [] { report(QStringLiteral("peak_rss_kb=%1").arg(peakRssKb())); });
    } else if (mode == "idle") {
        QTimer::singleShot(3000, [] {
            const double before = cpuMs();
            // A timer of our own would wake the program; a sleeping thread does not.
            auto *waiter = QThread::create([] { QThread::sleep(10); });
            QObject::connect(waiter, &QThread::finished, qApp,
                             [before] { report(QStringLiteral("idle_cpu_ms=%1").arg(cpuMs() - before, 0, 'f', 1)); });
            waiter->start();
        });
    } else {
        report(QStringLiteral("first_frame_ms=%1").arg(firstFrameMs, 0, 'f', 2));
    }
}

class Probe : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                const double t0 = qEnvironmentVariable("BEXALO_PROBE_T0").toDouble() / 1e6;
                afterFirstFrame(nowMs() - t0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

void installProbe()
{
    if (qEnvironmentVariableIsEmpty("BEXALO_PROBE_OUT")) {
        return;
    }
    qApp->installEventFilter(new Probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
