#pragma once
// A bundle's Info.plist with the update keys a test needs.
#include <string>

inline std::string infoPlist(const std::string& feedURL, const std::string& publicKey, const std::string& version,
                             bool automaticChecks = true) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
           "\t<key>CFBundleExecutable</key>\n\t<string>ludowell</string>\n"
           "\t<key>CFBundleVersion</key>\n\t<string>" + version + "</string>\n"
           "\t<key>CFBundleShortVersionString</key>\n\t<string>" + version + "</string>\n"
           "\t<key>SUFeedURL</key>\n\t<string>" + feedURL + "</string>\n"
           "\t<key>SUPublicEDKey</key>\n\t<string>" + publicKey + "</string>\n"
           "\t<key>SUEnableAutomaticChecks</key>\n\t<" + (automaticChecks ? "true" : "false") + "/>\n"
           "</dict>\n</plist>\n";
}
