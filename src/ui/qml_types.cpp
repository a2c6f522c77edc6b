#include "ui/qml_types.h"

#include "ui/app_delegate.h"

namespace ludowell::ui {

LibraryModel* LibraryModelForeign::create(QQmlEngine* engine, QJSEngine* scripts) {
    return &AppDelegate::create(engine, scripts)->model();
}

}  // namespace ludowell::ui
