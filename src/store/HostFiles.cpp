#include "store/HostFiles.h"

#include <cstdio>
#include <fstream>
#include <system_error>
#include <vector>

#include "text/Cp1251.h"
#include "text/Errors.h"

namespace brenvoll::store {
namespace fs = std::filesystem;

std::string displayPath(const fs::path& path) { return text::fromUtf8Lossy(path.string()); }

std::string readWholeFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        throw FileError(text::w("Не удаётся открыть файл \"") + displayPath(path) + "\"");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileError(text::w("Не удаётся открыть файл \"") + displayPath(path) + "\"");
    std::string bytes;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0) bytes.resize(static_cast<size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof()) throw FileError(text::w("Ошибка чтения файла \"") + displayPath(path) + "\"");
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

void writeWholeFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path temporary = path.parent_path() / (path.filename().string() + ".tmp~");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw FileError(text::w("Не удаётся записать файл \"") + displayPath(path) + "\"");
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        throw FileError(text::w("Не удаётся записать файл \"") + displayPath(path) + "\"");
    }
}

fs::path resolveIgnoringCase(const fs::path& base, const std::vector<std::string>& utf8Components) {
    fs::path current = base;
    for (const auto& name : utf8Components) {
        fs::path exact = current / name;
        std::error_code ec;
        if (fs::exists(exact, ec) || !fs::is_directory(current, ec)) {
            current = exact;
            continue;
        }
        fs::path found = exact;
        for (const auto& entry : fs::directory_iterator(current, ec)) {
            if (text::sameNameIgnoringCase(entry.path().filename().string(), name)) {
                found = entry.path();
                break;
            }
        }
        current = found;
    }
    return current;
}

}  // namespace brenvoll::store
