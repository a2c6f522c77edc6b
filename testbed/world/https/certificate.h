#pragma once
#include <filesystem>

namespace testbed {

struct CertificateFiles {
    std::filesystem::path certificate;  // "cert.pem": the server's certificate, then the authority's
    std::filesystem::path key;          // "key.pem": the server's private key
    std::filesystem::path authority;    // "ca.pem": what a client trusts
};

// Reuses the three files when the folder already holds them; otherwise
// makes a local authority and a certificate for "localhost" and 127.0.0.1
// signed by it. Throws std::runtime_error with OpenSSL's reason.
CertificateFiles ensureCertificate(const std::filesystem::path& folder);

}  // namespace testbed
