#include "ui_harness.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QQmlProperty>
#include <QThread>

#include "platform/platform.h"

namespace uitest {
namespace fs = std::filesystem;

std::vector<ludowell::GameProfile> twoGames() {
    ludowell::GameProfile second = ludowell::GameProfile::aoeIV();
    second.id = "keep";
    second.title = "Keep of the North";
    return {ludowell::GameProfile::aoeIV(), second};
}

fs::path builtBundle() {
    return fs::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() / "Ludowell.app";
}

Window::Window(Setup setup) {
    ludowell::platform::overrideBundle(setup.bundle.value_or(builtBundle()));
    ludowell::ui::AppDelegate::Options options;
    options.profiles = setup.profiles;
    options.model.profile = setup.profiles.front();
    options.model.preview = setup.preview;
    options.model.overrideRoot = setup.dataRoot.value_or(dir_ / "data");
    options.model.executable = setup.executable.empty() ? builtBundle() / "Contents/MacOS/ludowell" : setup.executable;
    options.model.settingsFile = QString::fromStdString((dir_ / "defaults.ini").string());
    options.alerts = &alerts;
    options.fileBrowser = &browser;
    shell_ = std::make_unique<ludowell::ui::AppDelegate>(options);
    if (!shell_->applicationDidFinishLaunching()) throw std::runtime_error("the window did not load");
    waitFor([this] { return window()->isExposed(); }, 2000);
    settle();
}

Window::~Window() {
    shell_.reset();
    ludowell::platform::overrideBundle(std::nullopt);
}

namespace {
void collect(QQuickItem* item, std::vector<QQuickItem*>& out) {
    out.push_back(item);
    for (QQuickItem* child : item->childItems()) collect(child, out);
}
}  // namespace

static std::vector<QQuickItem*> allItems(QQuickWindow* window) {
    std::vector<QQuickItem*> items;
    collect(window->contentItem(), items);
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
    for (QQuickItem* item : allItems(window())) {
        if (item->objectName() == objectName) return item;
    }
    return nullptr;
}

QObject* Window::object(const QString& objectName) const {
    if (QQuickItem* found = item(objectName)) return found;
    return window()->findChild<QObject*>(objectName);
}

QQuickItem* Window::itemWithText(const QString& text) const {
    for (QQuickItem* item : allItems(window())) {
        const QVariant value = item->property("text");
        if (value.isValid() && value.toString() == text && shown(item)) return item;
    }
    return nullptr;
}

QStringList Window::visibleTexts() const {
    QStringList texts;
    for (QQuickItem* item : allItems(window())) {
        if (!item->inherits("QQuickText") || !shown(item)) continue;
        const QString text = item->property("text").toString();
        if (!text.isEmpty()) texts << text;
    }
    return texts;
}

void Window::click(QQuickItem* item) {
    if (!item) throw std::runtime_error("nothing to click");
    const QPointF point = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    if (!QRectF(0, 0, window()->width(), window()->height()).contains(point))
        throw std::runtime_error("the item lies outside the window: " + item->objectName().toStdString());
    const QPointF global = window()->mapToGlobal(point);
    QMouseEvent press(QEvent::MouseButtonPress, point, point, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QGuiApplication::sendEvent(window(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, point, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QGuiApplication::sendEvent(window(), &release);
    settle();
}

void Window::settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(5);
    } while (timer.elapsed() < milliseconds);
}

bool Window::waitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

QImage Window::screenshot(const QString& name) {
    settle(250);  // page fades and sheet transitions
    const QImage image = window()->grabWindow();
    QDir().mkpath(QStringLiteral(LUDOWELL_SCREENSHOT_DIR));
    image.save(QStringLiteral(LUDOWELL_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
    return image;
}

}  // namespace uitest
