#include "app/model/command_session.h"

#include <signal.h>

#include <system_error>

#include "core/utf8.h"

namespace ludowell {
namespace {

constexpr int kReapMilliseconds = 200;
// The pipe's end and the child's exit arrive in either order.
constexpr int kReapAfterEndMilliseconds = 10;
// A grandchild that kept our pipe must not keep the step busy for ever.
constexpr auto kDrainAfterExit = std::chrono::seconds(2);
// Long enough for a stopped step to end its tool and say so.
constexpr auto kEndOnClose = std::chrono::seconds(5);

}  // namespace

QString Utf8Stream::decode(std::string_view bytes) {
    pending_.append(bytes);
    // Hold back a lead byte and its continuation bytes when the sequence
    // it announces is longer than what has arrived.
    size_t cut = pending_.size();
    for (size_t back = 1; back <= 3 && back <= pending_.size(); ++back) {
        auto byte = static_cast<unsigned char>(pending_[pending_.size() - back]);
        if ((byte & 0xC0) == 0x80) continue;
        size_t length = (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : (byte & 0xF8) == 0xF0 ? 4 : 1;
        if (length > back) cut = pending_.size() - back;
        break;
    }
    std::string complete = pending_.substr(0, cut);
    pending_.erase(0, cut);
    return QString::fromStdString(decodeUtf8Lossy(complete));
}

QString Utf8Stream::finish() {
    std::string rest;
    rest.swap(pending_);
    return QString::fromStdString(decodeUtf8Lossy(rest));
}

CommandSession::CommandSession(CommandRun run, CommandEvents events, QObject* parent)
    : QObject(parent), run_(std::move(run)), events_(std::move(events)) {
    reaper_.setInterval(kReapMilliseconds);
    connect(&reaper_, &QTimer::timeout, this, &CommandSession::reap);
}

CommandSession::~CommandSession() {
    notifier_.reset();
    if (!child_ || status_) return;
    // The window is going: the step is stopped as Stop does, and a child
    // that does not end in time is not waited for any longer.
    try {
        child_->signal(SIGTERM);
        if (!child_->waitUntil(platform::Subprocess::Clock::now() + kEndOnClose))
            child_->terminate(std::chrono::milliseconds(0));
    } catch (const std::system_error&) {
    }
}

void CommandSession::start() {
    platform::Subprocess::Options options{run_.executable, run_.arguments};
    options.capture = true;
    try {
        child_ = platform::Subprocess::start(options);
    } catch (const std::exception& error) {
        status_ = 1;
        output_ = QString::fromStdString(error.what());
        QMetaObject::invokeMethod(this, &CommandSession::finish, Qt::QueuedConnection);
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(child_->outputDescriptor(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &CommandSession::readOutput);
    reaper_.start();
    if (events_.started) events_.started(child_->pid());
}

void CommandSession::requestStop() {
    if (child_ && !status_) child_->signal(SIGTERM);
}

void CommandSession::deliver(const QString& text) {
    if (text.isEmpty()) return;
    output_ += text;
    if (events_.chunk) events_.chunk(text);
}

void CommandSession::readOutput() {
    if (done_ || !notifier_) return;
    const bool open = child_->read([this](std::string_view bytes) {
        heard_ = true;
        deliver(stream_.decode(bytes));
    });
    if (open) return;
    notifier_.reset();  // the child and everything it started have let go
    reaper_.setInterval(kReapAfterEndMilliseconds);
    reap();
}

void CommandSession::reap() {
    if (done_) return;
    if (!status_) {
        try {
            status_ = child_->poll();
        } catch (const std::system_error&) {
            status_ = 1;  // reaped elsewhere: the outcome is unknown, so not a success
        }
        if (!status_) return;
        exitedAt_ = std::chrono::steady_clock::now();
        heard_ = false;
        if (notifier_) return;  // give its output a moment to arrive
    }
    // Ended, and its pipe at its end, gone quiet, or held for too long.
    if (notifier_ && heard_ && std::chrono::steady_clock::now() - exitedAt_ < kDrainAfterExit) {
        heard_ = false;
        return;
    }
    finish();
}

void CommandSession::finish() {
    if (done_) return;
    done_ = true;
    reaper_.stop();
    if (notifier_) {
        child_->read([this](std::string_view bytes) { deliver(stream_.decode(bytes)); });
        notifier_.reset();
    }
    deliver(stream_.finish());
    if (events_.finished) events_.finished(status_.value_or(1), output_);
}

}  // namespace ludowell
