// The yardstick for the window's start-up: a minimal Qt Quick window with
// one page, a few labels and a button, in the same control style.
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>

static const char kPage[] = R"(
import QtQuick
import QtQuick.Controls
ApplicationWindow {
    width: 1140; height: 850; visible: true; title: "Minimal"
    color: "#121212"
    Column {
        anchors.centerIn: parent
        spacing: 12
        Label { text: "Your next adventure."; font.pixelSize: 30; color: "white" }
        Label { text: "A home for your games on Mac."; color: "#a3a8b3" }
        Label { text: "Setup needed"; color: "#a3a8b3" }
        Button { text: "Get started" }
    }
}
)";

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QQmlApplicationEngine engine;
    engine.loadData(QByteArray(kPage));
    if (engine.rootObjects().isEmpty()) return 1;
    return app.exec();
}
