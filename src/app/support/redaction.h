#pragma once
// What a support report may not carry: anything that signs in as the user
// or tells who they are. Applied to every text the report takes in.
#include <string>
#include <vector>

namespace ludowell {

struct Redaction {
    // Home folders, each written as "~" (longest first, so a home inside
    // another is caught whole).
    std::vector<std::string> homes;
    // Account names, hidden where they name a Windows user's folder.
    std::vector<std::string> accounts;

    // The account this process runs as, with both of its home folders.
    static Redaction forThisAccount();

    std::string apply(std::string text) const;
    // Files and folders left out of the report altogether, listing
    // included: Steam's sign-in and per-account files, cookies, tokens.
    static bool isPrivateName(const std::string& name);
};

}  // namespace ludowell
