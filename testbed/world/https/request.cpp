#include "request.h"

namespace testbed {
namespace fs = std::filesystem;

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        int high = hexValue(text[i + 1]), low = hexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += char(high * 16 + low);
        i += 2;
    }
    return out;
}

bool inside(const fs::path& root, const fs::path& path) {
    auto r = root.begin(), p = path.begin();
    for (; r != root.end(); ++r, ++p)
        if (p == path.end() || *r != *p) return false;
    return true;
}

}  // namespace

std::optional<RequestLine> parseRequestLine(std::string_view head) {
    auto end = head.find("\r\n");
    std::string_view line = head.substr(0, end);
    auto first = line.find(' ');
    if (first == std::string_view::npos) return std::nullopt;
    auto second = line.find(' ', first + 1);
    if (second == std::string_view::npos || line.find(' ', second + 1) != std::string_view::npos)
        return std::nullopt;
    RequestLine request{std::string(line.substr(0, first)),
                        std::string(line.substr(first + 1, second - first - 1)),
                        std::string(line.substr(second + 1))};
    if (request.method.empty() || request.target.empty() || !request.version.starts_with("HTTP/1."))
        return std::nullopt;
    return request;
}

ResolvedTarget resolveTarget(const fs::path& root, std::string_view target) {
    if (target.empty() || target.front() != '/') return {Resolution::badRequest, {}};
    target = target.substr(0, target.find_first_of("?#"));
    auto decoded = percentDecode(target);
    if (!decoded || decoded->find('\0') != std::string::npos) return {Resolution::badRequest, {}};

    fs::path relative;
    size_t start = 0;
    while (start <= decoded->size()) {
        size_t slash = decoded->find('/', start);
        if (slash == std::string::npos) slash = decoded->size();
        std::string segment = decoded->substr(start, slash - start);
        if (segment == "..") return {Resolution::badRequest, {}};
        if (!segment.empty() && segment != ".") relative /= segment;
        start = slash + 1;
    }
    if (relative.empty()) return {Resolution::notFound, {}};  // no listings

    std::error_code ec;
    const fs::path base = fs::canonical(root, ec);
    if (ec) return {Resolution::notFound, {}};
    const fs::path file = fs::canonical(base / relative, ec);
    if (ec || !inside(base, file) || !fs::is_regular_file(file, ec)) return {Resolution::notFound, {}};
    return {Resolution::file, file};
}

const char* reasonPhrase(int status) {
    switch (status) {
        case 200: return "OK";
        case 400: return "Bad Request";
        case 404: return "Not Found";
        case 405: return "Method Not Allowed";
        case 431: return "Request Header Fields Too Large";
        case 500: return "Internal Server Error";
        default: return "Error";
    }
}

}  // namespace testbed
