#pragma once
// Shared pieces of the model tests: waiting in a real event loop, scripted
// alert answers, stand-in children as shell scripts, one testbed world.
#include <QTemporaryDir>

#include <chrono>
#include <fstream>
#include <memory>

#include "app/model/library_model.h"
#include "support/event_loop.h"
#include "support/files.h"
#include "support/shared_world.h"

namespace model_tests {

namespace fs = std::filesystem;
using ludowell::GameStage;
using ludowell::LibraryModel;

template <typename Predicate>
bool waitFor(Predicate predicate, double seconds = 30) {
    return eventuallyInEventLoop(predicate, std::chrono::milliseconds(static_cast<long>(seconds * 1000)));
}

struct ScriptedAlerts : ludowell::Alerts {
    std::vector<int> replies;  // consumed in order; -1 once they run out
    std::vector<QStringList> asked;  // message, then the buttons
    int ask(const QString& message, const QString&, const QStringList& buttons) override {
        asked.push_back(QStringList{message} + buttons);
        return asked.size() <= replies.size() ? replies[asked.size() - 1] : -1;
    }
};

// A private folder per test for settings, data roots and stand-in children.
struct Sandbox {
    QTemporaryDir dir;
    fs::path path(const std::string& name) const { return fs::path(dir.path().toStdString()) / name; }
    QString settingsFile() const { return QString::fromStdString(path("settings.ini").string()); }

    // Records its arguments, one a line, in "<name>.args", then runs `body`,
    // in which `step <name>` waits until the test releases that step.
    fs::path script(const std::string& name, const std::string& body) const {
        const fs::path file = path(name);
        writeFile(file, "#!/bin/sh\nprintf '%s\\n' \"$@\" >> \"$0.args\"\n"
                        "step() { while [ ! -e \"$0.$1\" ]; do sleep 0.01; done; }\n" + body + "\n", true);
        return file;
    }
    // Lets a script's `step <name>` go on.
    void release(const fs::path& script, const std::string& step) const {
        std::ofstream(script.string() + "." + step).close();
    }
    std::vector<std::string> arguments(const fs::path& script) const {
        std::ifstream in(script.string() + ".args");
        std::vector<std::string> result;
        for (std::string line; std::getline(in, line);) result.push_back(line);
        return result;
    }

    LibraryModel::Options options(const fs::path& executable = {}) const {
        LibraryModel::Options options;
        options.overrideRoot = path("data");
        options.executable = executable;
        options.settingsFile = settingsFile();
        // Short enough to watch a download and a launch within the suite.
        options.timing.refreshMilliseconds = 200;
        options.timing.launchingMilliseconds = 1500;
        return options;
    }
};

// A model whose first inspection has landed.
inline std::unique_ptr<LibraryModel> settledModel(const LibraryModel::Options& options) {
    auto model = std::make_unique<LibraryModel>(options);
    waitFor([&] { return !model->refreshInFlight(); });
    return model;
}

inline bool finished(LibraryModel& model) {
    return waitFor([&] { return !model.busy(); }, 120);
}

}  // namespace model_tests
