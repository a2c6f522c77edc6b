#pragma once
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace ludowell::ui {

// The component licence for the licence sheet, read from the application's
// resources as styled text and offered as Qt rich text. The sheet makes one
// when it opens, so the file is read once per showing.
class LicenceDocument : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString path READ path CONSTANT)
    // The file exists; agreeing needs nothing more.
    Q_PROPERTY(bool present READ present CONSTANT)
    // The file could be shown; otherwise `html` holds the failure text.
    Q_PROPERTY(bool readable READ readable CONSTANT)
    Q_PROPERTY(QString html READ html CONSTANT)

public:
    explicit LicenceDocument(QObject* parent = nullptr);

    static QString failureText();
    static QString defaultPath();

    QString path() const { return path_; }
    bool present() const { return present_; }
    bool readable() const { return readable_; }
    QString html() const { return html_; }

private:
    QString path_;
    bool present_ = false;
    bool readable_ = false;
    QString html_;
};

}  // namespace ludowell::ui
