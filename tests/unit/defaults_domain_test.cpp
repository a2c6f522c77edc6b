// A Mac files the user's choices under the names Qt is given: they must
// make the bundle's own identifier, where the update framework keeps its
// keys too.
#include <QCoreApplication>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/preferences.h"
#include "app/update/info_plist.h"

TEST(DefaultsDomain, IsTheBundleIdentifier) {
    ludowell::Preferences::nameApplication();
    auto info = ludowell::readInfoPlist(LUDOWELL_BUNDLE_DIR "/Contents/Info.plist");
    ASSERT_TRUE(info);
    QStringList labels = QCoreApplication::organizationDomain().split('.');
    // Under any other top-level label Qt makes up a domain of its own.
    EXPECT_TRUE(labels.back().size() == 2 || QStringList({"com", "org", "net"}).contains(labels.back()));
    std::reverse(labels.begin(), labels.end());
    EXPECT_EQ(labels.join('.') + "." + QCoreApplication::applicationName(), info->value("CFBundleIdentifier"));
}
