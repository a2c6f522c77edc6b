#pragma once
// What an update feed is made of: an Ed25519 key made at test time (with
// the openssl tool) and the appcast items it signs.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

// The output of a shell command, without its final line breaks.
inline std::string shell(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
        ::pclose(pipe);
    }
    while (!output.empty() && output.back() == '\n') output.pop_back();
    return output;
}

class SigningKey {
public:
    SigningKey() { shell("openssl genpkey -algorithm ed25519 -out '" + key() + "' 2>/dev/null"); }
    // Base64 of the raw 32 bytes, as a bundle's Info.plist holds it.
    std::string publicKey() const { return shell("openssl pkey -in '" + key() + "' -pubout -outform DER | tail -c 32 | base64"); }
    std::string sign(const std::filesystem::path& file) const {
        return shell("openssl pkeyutl -sign -rawin -inkey '" + key() + "' -in '" + file.string() + "' | base64 -w0");
    }

private:
    std::string key() const { return (dir_ / "key.pem").string(); }
    TempDir dir_;
};

struct FeedItem {
    std::string version, url, signature;
    long long length = 0;
    std::string shortVersion = version;
};

inline std::string appcastFeed(const std::vector<FeedItem>& items) {
    std::string xml = "<rss xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel>";
    for (const auto& item : items)
        xml += "<item><sparkle:version>" + item.version + "</sparkle:version><sparkle:shortVersionString>" +
               item.shortVersion + "</sparkle:shortVersionString><enclosure url=\"" + item.url + "\" length=\"" +
               std::to_string(item.length) + "\" sparkle:edSignature=\"" + item.signature + "\"/></item>";
    return xml + "</channel></rss>";
}
