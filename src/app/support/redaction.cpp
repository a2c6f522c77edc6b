#include "app/support/redaction.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <regex>
#include <sstream>

#include "platform/platform.h"

namespace ludowell {
namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// A line naming one of these may carry a secret beside it.
const char* const kSecretWords[] = {"token", "cookie", "password", "passwd", "secret", "ssfn",
                                    "sentry", "authorization", "loginusers", "accountname", "session_id",
                                    "sessionid", "steamlogin", "webapi_key"};

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

Redaction Redaction::forThisAccount() {
    Redaction redaction;
    for (const auto& home : {platform::homeDir(), platform::accountHome()}) {
        std::string text = home.lexically_normal().string();
        while (text.size() > 1 && text.back() == '/') text.pop_back();
        if (text.size() > 1) redaction.homes.push_back(text);
        if (home.has_filename()) redaction.accounts.push_back(home.filename().string());
    }
    if (const char* user = std::getenv("USER"); user && *user) redaction.accounts.push_back(user);
    std::sort(redaction.homes.begin(), redaction.homes.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    return redaction;
}

bool Redaction::isPrivateName(const std::string& name) {
    const std::string low = lower(name);
    if (low == "loginusers.vdf" || low == "config.vdf" || low == "userdata" || low == "localconfig.vdf" ||
        low == "ssfn" || low.rfind("ssfn", 0) == 0)
        return true;
    for (const char* word : {"cookie", "token", "credential"})
        if (low.find(word) != std::string::npos) return true;
    return false;
}

std::string Redaction::apply(std::string text) const {
    for (const auto& home : homes) replaceAll(text, home, "~");

    std::istringstream lines(text);
    std::string line, result;
    // A Steam account's 64-bit id identifies its owner.
    static const std::regex steamID(R"(7656119\d{10})");
    while (std::getline(lines, line)) {
        const std::string low = lower(line);
        bool secret = false;
        for (const char* word : kSecretWords) secret = secret || low.find(word) != std::string::npos;
        if (secret) {
            result += "[line left out: it may hold sign-in data]\n";
            continue;
        }
        line = std::regex_replace(line, steamID, "[Steam account]");
        for (const auto& account : accounts) {
            for (const char* folder : {"users/", "users\\", "Users/", "Users\\", "USERS\\"}) {
                replaceAll(line, folder + account + "/", std::string(folder) + "~/");
                replaceAll(line, folder + account + "\\", std::string(folder) + "~\\");
            }
        }
        result += line + "\n";
    }
    if (!text.empty() && text.back() != '\n' && !result.empty()) result.pop_back();
    return result;
}

}  // namespace ludowell
