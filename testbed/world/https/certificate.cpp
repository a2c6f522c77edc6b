#include "certificate.h"

#include <fcntl.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>
#include <string>

#include <openssl/bn.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

namespace testbed {
namespace fs = std::filesystem;

namespace {

template <typename T, void (*Free)(T*)>
struct Deleter {
    void operator()(T* p) const { Free(p); }
};
using Key = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY, EVP_PKEY_free>>;
using Certificate = std::unique_ptr<X509, Deleter<X509, X509_free>>;
using Bio = std::unique_ptr<BIO, Deleter<BIO, BIO_free_all>>;

[[noreturn]] void fail(const std::string& what) {
    std::string reason;
    if (unsigned long code = ERR_get_error()) {
        char text[256];
        ERR_error_string_n(code, text, sizeof text);
        reason = std::string(": ") + text;
    }
    ERR_clear_error();
    throw std::runtime_error("Could not " + what + reason);
}

Key newKey() {
    Key key(EVP_EC_gen("P-256"));
    if (!key) fail("generate a key");
    return key;
}

void addExtension(X509* certificate, X509* issuer, int nid, const char* value) {
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
    if (!extension) fail(std::string("build the extension ") + value);
    bool added = X509_add_ext(certificate, extension, -1) == 1;
    X509_EXTENSION_free(extension);
    if (!added) fail(std::string("add the extension ") + value);
}

// A certificate for `name` and `key`, valid from yesterday for ten years.
// With no issuer it signs itself.
Certificate newCertificate(const char* name, EVP_PKEY* key, X509* issuer, EVP_PKEY* issuerKey) {
    Certificate certificate(X509_new());
    if (!certificate) fail("create a certificate");
    X509* c = certificate.get();
    X509_set_version(c, 2);

    std::unique_ptr<BIGNUM, Deleter<BIGNUM, BN_free>> serial(BN_new());
    if (!serial || !BN_rand(serial.get(), 120, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) ||
        !BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(c)))
        fail("pick a serial number");
    X509_gmtime_adj(X509_getm_notBefore(c), -24L * 3600);
    X509_gmtime_adj(X509_getm_notAfter(c), 10L * 365 * 24 * 3600);

    X509_NAME* subject = X509_get_subject_name(c);
    X509_NAME_add_entry_by_txt(subject, "O", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("Ludowell testbed"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(subject, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>(name),
                               -1, -1, 0);
    X509_set_issuer_name(c, issuer ? X509_get_subject_name(issuer) : subject);
    if (X509_set_pubkey(c, key) != 1) fail("attach the public key");

    X509* signer = issuer ? issuer : c;
    addExtension(c, signer, NID_subject_key_identifier, "hash");
    if (issuer) {
        addExtension(c, signer, NID_authority_key_identifier, "keyid:always");
        addExtension(c, signer, NID_basic_constraints, "critical,CA:FALSE");
        addExtension(c, signer, NID_key_usage, "critical,digitalSignature,keyEncipherment");
        addExtension(c, signer, NID_ext_key_usage, "serverAuth");
        addExtension(c, signer, NID_subject_alt_name, "DNS:localhost,IP:127.0.0.1");
    } else {
        addExtension(c, signer, NID_basic_constraints, "critical,CA:TRUE,pathlen:0");
        addExtension(c, signer, NID_key_usage, "critical,keyCertSign,cRLSign");
    }
    if (X509_sign(c, issuerKey ? issuerKey : key, EVP_sha256()) <= 0) fail("sign a certificate");
    return certificate;
}

std::string pem(X509* certificate) {
    Bio bio(BIO_new(BIO_s_mem()));
    if (!bio || PEM_write_bio_X509(bio.get(), certificate) != 1) fail("encode a certificate");
    char* data = nullptr;
    long size = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, size_t(size));
}

std::string pem(EVP_PKEY* key) {
    Bio bio(BIO_new(BIO_s_mem()));
    if (!bio || PEM_write_bio_PrivateKey(bio.get(), key, nullptr, nullptr, 0, nullptr, nullptr) != 1)
        fail("encode a key");
    char* data = nullptr;
    long size = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, size_t(size));
}

// A reader never sees half a file: write beside it, then rename.
void writeAtomically(const fs::path& file, const std::string& bytes, mode_t mode) {
    fs::path temporary = file;
    temporary += ".tmp-" + std::to_string(::getpid());
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) throw std::runtime_error("Could not write " + temporary.string());
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            throw std::runtime_error("Could not write " + temporary.string());
        }
        done += size_t(n);
    }
    ::fsync(fd);
    ::close(fd);
    fs::rename(temporary, file);
}

}  // namespace

CertificateFiles ensureCertificate(const fs::path& folder) {
    CertificateFiles files{folder / "cert.pem", folder / "key.pem", folder / "ca.pem"};
    std::error_code ec;
    if (fs::is_regular_file(files.certificate, ec) && fs::is_regular_file(files.key, ec) &&
        fs::is_regular_file(files.authority, ec))
        return files;

    fs::create_directories(folder);
    Key authorityKey = newKey();
    Certificate authority = newCertificate("Ludowell testbed authority", authorityKey.get(), nullptr, nullptr);
    Key serverKey = newKey();
    Certificate server = newCertificate("localhost", serverKey.get(), authority.get(), authorityKey.get());

    // The authority goes last: its presence means the set is complete.
    writeAtomically(files.key, pem(serverKey.get()), 0600);
    writeAtomically(files.certificate, pem(server.get()) + pem(authority.get()), 0644);
    writeAtomically(files.authority, pem(authority.get()), 0644);
    return files;
}

}  // namespace testbed
