#include "ui_harness.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <set>

#include "app/update/updates.h"
#include "runtime/runtime.h"
#include "support/event_loop.h"
#include "testbed_host.h"
#include "testbed_world.h"

namespace uitest {
namespace fs = std::filesystem;

fs::path builtBundle() {
    return fs::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() / "Ludowell.app";
}

Window::Window(Setup setup) {
    testbed::linkedHost().setBundle(setup.bundle.value_or(builtBundle()));
    ludowell::ui::AppDelegate::Options options;
    options.profiles = setup.profiles;
    options.model.profile = setup.profiles.front();
    options.model.preview = setup.preview;
    options.model.overrideRoot = setup.dataRoot.value_or(dir_ / "data");
    options.model.executable = setup.executable.empty() ? builtBundle() / "Contents/MacOS/ludowell" : setup.executable;
    options.model.settingsFile = QString::fromStdString((dir_ / "defaults.ini").string());
    options.alerts = setup.realAlerts ? nullptr : &alerts;
    options.fileBrowser = &browser;
    shell_ = std::make_unique<ludowell::ui::AppDelegate>(options);
    if (!shell_->applicationDidFinishLaunching()) throw std::runtime_error("the window did not load");
    waitFor([this] { return window()->isExposed(); }, 2000);
    // Keyboard focus goes only to the active window.
    window()->requestActivate();
    waitFor([this] { return window()->isActive(); }, 2000);
    still();
}

Window::~Window() {
    shell_.reset();
    testbed::linkedHost().setBundle(std::nullopt);
}

std::vector<QQuickItem*> allItems(QQuickItem* item) {
    std::vector<QQuickItem*> items{item};
    for (QQuickItem* child : item->childItems()) {
        const auto below = allItems(child);
        items.insert(items.end(), below.begin(), below.end());
    }
    return items;
}

bool Window::shown(const QQuickItem* item) {
    if (item->width() <= 0 || item->height() <= 0) return false;
    for (const QQuickItem* at = item; at; at = at->parentItem()) {
        if (!at->isVisible() || at->opacity() <= 0.0) return false;
    }
    return true;
}

QQuickItem* Window::item(const QString& objectName) const {
    for (QQuickItem* item : allItems(window()->contentItem())) {
        if (item->objectName() == objectName) return item;
    }
    return nullptr;
}

QStringList Window::visibleTexts() const {
    QStringList texts;
    for (QQuickItem* item : allItems(window()->contentItem())) {
        if (!item->inherits("QQuickText") || !shown(item)) continue;
        const QString text = item->property("text").toString();
        if (!text.isEmpty()) texts << text;
    }
    return texts;
}

namespace {
QStringList unnamedUnder(QAccessibleInterface* root) {
    static const std::set<QAccessible::Role> named = {
        QAccessible::Button,      QAccessible::PushButton,  QAccessible::CheckBox,   QAccessible::RadioButton,
        QAccessible::ProgressBar, QAccessible::EditableText, QAccessible::StaticText, QAccessible::MenuItem,
        QAccessible::Dialog,      QAccessible::StatusBar,   QAccessible::AlertMessage, QAccessible::Heading};
    QStringList missing;
    for (int i = 0; root && i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child || child->state().invisible) continue;
        if (named.count(child->role()) && child->text(QAccessible::Name).trimmed().isEmpty())
            missing << QStringLiteral("%1 (role %2)").arg(child->object()->metaObject()->className()).arg(child->role());
        missing << unnamedUnder(child);
    }
    return missing;
}
}  // namespace

QStringList Window::unnamed() const { return unnamedUnder(QAccessible::queryAccessibleInterface(window())); }

void Window::click(QQuickItem* item) {
    if (!item) throw std::runtime_error("nothing to click");
    const QPointF point = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    if (!QRectF(0, 0, window()->width(), window()->height()).contains(point))
        throw std::runtime_error("the item lies outside the window: " + item->objectName().toStdString());
    // Through the window system's entry, as the mouse's buttons arrive.
    QTest::mouseClick(window(), Qt::LeftButton, Qt::NoModifier, point.toPoint());
    still();
}

void Window::open(const QString& page) {
    click(item(QStringLiteral("nav-") + page));
}

void Window::press(int key, Qt::KeyboardModifiers modifiers) {
    // Through the window system's entry, as a keyboard's keys arrive:
    // shortcuts first, then the focused item.
    QTest::keyClick(window(), Qt::Key(key), modifiers);
    still();
}

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = object ? QAccessible::queryAccessibleInterface(object) : nullptr;
    return face ? face->text(QAccessible::Name) : QString();
}

bool Window::tabTo(const QString& name) {
    const auto there = [&] { return focused() && (focused()->objectName() == name || accessibleName(focused()) == name); };
    for (int i = 0; i < 80 && !there(); ++i) press(Qt::Key_Tab);
    return there();
}

std::vector<QQuickItem*> Window::itemsWithText(const QString& text) const {
    std::vector<QQuickItem*> found;
    for (QQuickItem* item : allItems(window()->contentItem()))
        if (shown(item) && item->property("text").toString() == text) found.push_back(item);
    return found;
}

void Window::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (QQuickTest::qIsPolishScheduled(window())) QQuickTest::qWaitForPolish(window(), 2000);
}

bool Window::still() {
    settle();
    return waitFor([this] {
        QQuickItem* page = item(QStringLiteral("page"));
        if (page && (page->property("status").toInt() != 1 || page->opacity() < 1.0)) return false;
        for (QObject* object : window()->findChildren<QObject*>()) {
            if (object->inherits("QQuickPopup") && object->property("visible").toBool() &&
                !object->property("opened").toBool())
                return false;
            // Symbols and the artwork are drawn off the GUI thread.
            if (object->inherits("QQuickImageBase") && object->property("status").toInt() == 2) return false;
            if (object->property("loading").toBool()) return false;
        }
        return !QQuickTest::qIsPolishScheduled(window());
    }, 5000);
}

bool Window::waitFor(const std::function<bool()>& condition, int milliseconds) {
    return eventuallyInEventLoop(condition, std::chrono::milliseconds(milliseconds));
}

void Window::showWholePage() {
    still();
    // The page, with the window's title bar and margins around it.
    window()->resize(1140, std::max(850, int(item(QStringLiteral("page"))->height()) + 96));
    still();
}

void Window::screenshot(const QString& name) {
    still();
    // Behaviours animate frame by frame: wait for a frame drawn the same as
    // the one before it.
    QImage image = window()->grabWindow();
    waitFor([&] {
        bool drawn = false;
        const auto connection = QObject::connect(window(), &QQuickWindow::frameSwapped, [&] { drawn = true; });
        window()->update();
        waitFor([&] { return drawn; }, 500);
        QObject::disconnect(connection);
        QImage again = window()->grabWindow();
        std::swap(image, again);
        return drawn && image == again;
    }, 2000);
    QDir().mkpath(QStringLiteral(LUDOWELL_SCREENSHOT_DIR));
    image.save(QStringLiteral(LUDOWELL_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
}

namespace {
// Reports `session`, and calls `checked` for each check asked of it.
struct StubUpdates : ludowell::UpdateService {
    StubUpdates(bool session, std::function<void()> checked) : session(session), checked(std::move(checked)) {}
    void startUpdater() override {}
    bool canCheckForUpdates() const override { return true; }
    bool automaticallyChecksForUpdates() const override { return false; }
    void setAutomaticallyChecksForUpdates(bool) override {}
    bool sessionInProgress() const override { return session; }
    void checkForUpdates() override { checked(); }
    bool session;
    std::function<void()> checked;
};
}  // namespace

std::unique_ptr<Window> windowOver(testbed::World& world) {
    world.exportToThisProcess();
    writeFile(world.dataRoot() / "license-accepted", "Accepted locally\n");
    auto w = std::make_unique<Window>(
        Window::Setup{.dataRoot = world.dataRoot(), .executable = world.executable, .bundle = world.bundle});
    w->waitFor([&] { return w->model().stage() == "setup" && !w->model().refreshInFlight(); }, 10000);
    return w;
}

std::unique_ptr<Window> downloading(testbed::World& world, const std::function<bool(Window&)>& now) {
    auto w = windowOver(world);
    w->click(w->item(QStringLiteral("primary-action")));
    const auto begun = [&] {
        return now ? now(*w) : w->model().transferShown() && w->model().transferFraction() > 0.05;
    };
    if (!w->waitFor(begun, 30000)) throw std::runtime_error("the download did not get going");
    return w;
}

bool stopStep(Window& w) {
    w.alerts.answer = 1;  // "Stop step"
    w.click(w.item(QStringLiteral("stop-step")));
    return w.waitFor([&] { return !w.model().busy(); }, 20000);
}

std::shared_ptr<int> giveUpdates(Window& w, bool session, std::function<void()> onCheck) {
    auto checks = std::make_shared<int>(0);
    const auto checked = [=] {
        ++*checks;
        if (onCheck) onCheck();
    };
    w.model().setUpdates(new ludowell::Updates(&w.model(), [=](ludowell::UpdateServiceDelegate&) {
        return std::unique_ptr<ludowell::UpdateService>(std::make_unique<StubUpdates>(session, checked));
    }));
    w.settle();
    return checks;
}

Session::Session(Options options) {
    const fs::path child = bin / "ludowell";
    writeFile(child, "#!/bin/sh\n" + options.script, true);
    ludowell::Runtime runtime(data.path(), std::nullopt, ludowell::GameProfile::aoeIV());
    if (options.stage == "setup") {
        writeFile(runtime.marker("license-accepted"), "Accepted locally\n");
    } else {
        writeFile(runtime.marker("runtime-ready"));
        writeFile(runtime.steam());
    }
    if (options.stage == "install") writeFile(runtime.marker("steam-sign-in-confirmed"));
    if (options.stage == "ready") {
        writeFile(runtime.steam().parent_path() / "steamapps/appmanifest_1466860.acf",
              "\"AppState\"\n{\n\t\"StateFlags\"\t\t\"4\"\n}\n");
        writeFile(runtime.game());
    }
    if (options.server) writeFile(runtime.server());
    w = std::make_unique<Window>(
        Window::Setup{.profiles = std::move(options.profiles), .dataRoot = data.path(), .executable = child});
    if (!w->waitFor([&] { return w->model().stage() == QString::fromStdString(options.stage); }, 10000))
        throw std::runtime_error("the inspection did not find " + options.stage);
}

}  // namespace uitest
