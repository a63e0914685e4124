#include "app/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>

namespace murokan::app {

namespace {

// The pipe's writing end, for the handler: a signal handler reaches nothing
// but static storage. Set once before the handlers are installed.
int signal_pipe = -1;

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void on_signal(int) {
    const char byte = 1;
    // A full pipe needs no more bytes: a stop is pending already.
    [[maybe_unused]] const ssize_t n = write(signal_pipe, &byte, 1);
}

}  // namespace

QuitSignals::QuitSignals() {
    if (pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) return;
    signal_pipe = fds_[1];
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals) sigaction(s, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    if (fds_[0] < 0) return;
    for (int s : kSignals) std::signal(s, SIG_DFL);
    signal_pipe = -1;
    close(fds_[0]);
    close(fds_[1]);
}

void QuitSignals::watch(std::function<bool()> close) {
    if (fds_[0] < 0) return;
    auto* retry = new QTimer(qApp);
    retry->setInterval(100);
    QObject::connect(retry, &QTimer::timeout, retry, [retry, close] {
        if (close()) retry->stop();
    });
    auto* notifier = new QSocketNotifier(fds_[0], QSocketNotifier::Read, qApp);
    const int fd = fds_[0];
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [fd, retry, close] {
        char bytes[16];
        while (read(fd, bytes, sizeof bytes) > 0) {
        }
        if (!close()) retry->start();
    });
}

}  // namespace murokan::app
