#pragma once
// The texts of the support steps (the report and the clean-ups), which
// speak for themselves rather than through the friendly-error table.
#include <QString>

namespace ludowell {

bool isSupportStep(const QString& command);
// The notice of a support step that succeeded: where the report went, or
// what the clean-up freed (its last line).
QString supportNotice(const QString& command, const QString& output, const QString& reportName);
// The step's own "ERROR: " line, or the general text when it has none.
QString supportError(const QString& output);

}  // namespace ludowell
