#pragma once
// The Storage card's numbers: what each part of the game's data root takes
// on disk and what the disk has free. Measured on a worker, since a game's
// tree holds hundreds of thousands of files.
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QVariantList>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace ludowell {

class Runtime;

// One part of a data root: a folder and what inside it belongs elsewhere.
struct StoragePart {
    QString name;
    QString note;  // "in use", "kept"; empty when nothing is to be said
    std::filesystem::path folder;
    std::vector<std::filesystem::path> skip;
};
std::vector<StoragePart> storageParts(const Runtime& runtime);

class Storage : public QObject {
    Q_OBJECT
    // One map per part: name, note, size (text), bytes, measured.
    Q_PROPERTY(QVariantList parts READ parts NOTIFY changed)
    Q_PROPERTY(QString free READ freeText NOTIFY changed)
    Q_PROPERTY(bool measuring READ measuring NOTIFY changed)
    Q_PROPERTY(QString progress READ progress NOTIFY changed)

public:
    using RuntimeSource = std::function<Runtime()>;
    using Opener = std::function<void(const std::filesystem::path&)>;
    Storage(RuntimeSource runtime, Opener open, QObject* parent = nullptr);
    // Stops a walk under way and waits for it.
    ~Storage() override;

    QVariantList parts() const;
    QString freeText() const { return free_; }
    bool measuring() const { return measuring_; }
    QString progress() const { return progress_; }

    // Measures the current game's data root again; ignored while a walk runs.
    Q_INVOKABLE void measure();
    // Shows a part's folder in the file browser.
    Q_INVOKABLE void show(int index);

signals:
    void changed();

private:
    struct Row {
        StoragePart part;
        std::uintmax_t bytes = 0;
        bool measured = false;
    };
    void partMeasured(std::uint64_t generation, int index, std::uintmax_t bytes);
    void counted(std::uint64_t generation, std::uintmax_t files);
    void finished(std::uint64_t generation);

    RuntimeSource runtime_;
    Opener open_;
    std::vector<Row> rows_;
    QString free_;
    QString progress_;
    bool measuring_ = false;
    std::uint64_t generation_ = 0;
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    QThreadPool workers_;
};

}  // namespace ludowell
