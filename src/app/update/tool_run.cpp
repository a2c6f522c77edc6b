#include "app/update/tool_run.h"

#include <cstring>
#include <system_error>

namespace ludowell {

ToolRun::ToolRun(const QString& program, const QStringList& arguments, Done done, QObject* parent)
    : QObject(parent), done_(std::move(done)) {
    platform::Subprocess::Options options{program.toStdString(), {}};
    for (const auto& argument : arguments) options.arguments.push_back(argument.toStdString());
    options.capture = true;
    try {
        if (!errors_.open())
            throw std::system_error(EIO, std::generic_category(), errors_.errorString().toStdString());
        options.errorFd = errors_.handle();
        child_ = platform::Subprocess::start(options);
    } catch (const std::system_error& error) {
        const QString problem = program + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error.code().value()));
        QMetaObject::invokeMethod(this, [this, problem] { finish(-1, problem); }, Qt::QueuedConnection);
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(child_->outputDescriptor(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ToolRun::readOutput);
    reaper_.setInterval(20);
    connect(&reaper_, &QTimer::timeout, this, &ToolRun::reap);
    reaper_.start();
}

ToolRun::~ToolRun() { notifier_.reset(); }

void ToolRun::readOutput() {
    if (!notifier_) return;
    const bool open = child_->read([this](std::string_view bytes) { output_.append(bytes.data(), qsizetype(bytes.size())); });
    if (!open) notifier_.reset();
}

void ToolRun::reap() {
    std::optional<int> status;
    try {
        status = child_->poll();
    } catch (const std::system_error& error) {
        return finish(-1, QString::fromStdString(error.what()));
    }
    if (!status) return;
    // Whatever it wrote before it ended is already in the pipe; a pipe that
    // something it started still holds open gives no more.
    for (qsizetype before = -1; notifier_ && output_.size() != before;) {
        before = output_.size();
        readOutput();
    }
    errors_.seek(0);
    finish(*status, QString::fromLocal8Bit(errors_.readAll()));
}

void ToolRun::finish(int status, const QString& problem) {
    if (finished_) return;
    finished_ = true;
    reaper_.stop();
    notifier_.reset();
    done_(status, output_, problem);
}

}  // namespace ludowell
