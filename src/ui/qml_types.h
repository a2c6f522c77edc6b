#pragma once
// The model and the update gate as the views' types. Both live in a library
// without QML, so they are registered from here: the model as the singleton
// `LibraryModel` of the shell that loaded the views, the gate as a type the
// views only receive.
#include <QObject>
#include <QtQml/qqml.h>

#include "app/model/library_model.h"
#include "app/update/updates.h"

class QJSEngine;
class QQmlEngine;

namespace ludowell::ui {

struct LibraryModelForeign {
    Q_GADGET
    QML_FOREIGN(ludowell::LibraryModel)
    QML_NAMED_ELEMENT(LibraryModel)
    QML_SINGLETON

public:
    static LibraryModel* create(QQmlEngine* engine, QJSEngine*);
};

struct StorageForeign {
    Q_GADGET
    QML_FOREIGN(ludowell::Storage)
    QML_NAMED_ELEMENT(Storage)
    QML_UNCREATABLE("The storage measurement is the model's.")
};

struct UpdatesForeign {
    Q_GADGET
    QML_FOREIGN(ludowell::Updates)
    QML_NAMED_ELEMENT(Updates)
    QML_UNCREATABLE("The update gate is the model's.")
};

}  // namespace ludowell::ui
