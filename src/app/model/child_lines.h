#pragma once
// The command-mode child speaks English, always: scripts and support read
// it. The window shows its known lines in the user's language instead.
#include <QCoreApplication>
#include <QString>

namespace ludowell {

class ChildLines {
    Q_DECLARE_TR_FUNCTIONS(ludowell::ChildLines)

public:
    // Each line of `output` that matches a known English line (names, sizes
    // and paths taken as they came) in the user's language; any other line
    // unchanged.
    static QString translate(const QString& output);
    static QString translateLine(const QString& line);
};

}  // namespace ludowell
