#include "app/update/tool_run.h"

#include <cstring>
#include <system_error>

namespace ludowell {

ToolRun::ToolRun(const QString& program, const QStringList& arguments, Done done, QObject* parent,
                 Output output)
    : QObject(parent), done_(std::move(done)), limit_(output.limit) {
    platform::Subprocess::Options options{program.toStdString(), {}};
    for (const auto& argument : arguments) options.arguments.push_back(argument.toStdString());
    options.capture = true;
    try {
        if (!errors_.open())
            throw std::system_error(EIO, std::generic_category(), errors_.errorString().toStdString());
        if (!output.file.empty()) {
            file_.setFileName(QString::fromStdString(output.file.string()));
            if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw std::system_error(EIO, std::generic_category(), file_.errorString().toStdString());
        }
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
    if (!notifier_ || finished_) return;
    bool tooLarge = false, unwritten = false;
    const bool open = child_->read([&](std::string_view bytes) {
        qint64 take = qint64(bytes.size());
        if (limit_ >= 0 && taken_ + take > limit_) tooLarge = true, take = limit_ - taken_;
        if (take <= 0) return;
        if (file_.isOpen()) unwritten = unwritten || file_.write(bytes.data(), take) != take;
        else output_.append(bytes.data(), qsizetype(take));
        taken_ += take;
    });
    if (tooLarge || unwritten) {
        try {
            child_->terminate();
        } catch (const std::system_error&) {
            // Reaped by someone else: it has ended either way.
        }
        return finish(tooLarge ? kTooLarge : -1,
                      tooLarge ? QStringLiteral("more than %1 bytes").arg(limit_) : file_.errorString());
    }
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
    if (finished_) return;
    errors_.seek(0);
    finish(*status, QString::fromLocal8Bit(errors_.readAll()));
}

void ToolRun::finish(int status, const QString& problem) {
    if (finished_) return;
    finished_ = true;
    reaper_.stop();
    notifier_.reset();
    if (file_.isOpen() && !file_.flush()) status = status == 0 ? -1 : status;
    file_.close();
    done_(status, output_, problem);
}

}  // namespace ludowell
