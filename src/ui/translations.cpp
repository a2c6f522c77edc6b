#include "ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <memory>

namespace ludowell::ui {
namespace {

// Compiled by the build from resources/translations and embedded here.
const QString kFolder = QStringLiteral(":/i18n");

std::unique_ptr<QTranslator>& installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

bool install(std::unique_ptr<QTranslator> next) {
    if (installed()) QCoreApplication::removeTranslator(installed().get());
    installed() = std::move(next);
    return QCoreApplication::installTranslator(installed().get());
}

}  // namespace

QStringList shippedLanguages() {
    QStringList names;
    for (const QString& file : QDir(kFolder).entryList({QStringLiteral("ludowell_*.qm")}))
        names << file.mid(9, file.size() - 12);
    return names;
}

bool useLanguage(const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    // Tries each preferred language, "pt-BR" as pt_BR and then pt; English
    // (which only spells the plurals) when none is shipped.
    if (!translator->load(locale, QStringLiteral("ludowell"), QStringLiteral("_"), kFolder) &&
        !translator->load(QStringLiteral("ludowell_en"), kFolder))
        return false;
    return install(std::move(translator));
}

void useSystemLanguage(bool beforeFirstFrame) {
    const QLocale system = QLocale::system();
    if (!beforeFirstFrame) {
        if (!installed()) useLanguage(system);
        return;
    }
    QTranslator probe;
    if (probe.load(system, QStringLiteral("ludowell"), QStringLiteral("_"), kFolder) &&
        !probe.filePath().endsWith(QStringLiteral("ludowell_en.qm")))
        useLanguage(system);
}

bool useTranslationFile(const QString& path) {
    auto translator = std::make_unique<QTranslator>();
    return translator->load(path) && install(std::move(translator));
}

}  // namespace ludowell::ui
