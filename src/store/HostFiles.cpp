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
    std::string bytes;
    readWholeFileInto(path, bytes);
    return bytes;
}

void readWholeFileInto(const fs::path& path, std::string& buffer) {
    std::error_code ec;
    const auto cannotOpen = [&] { return FileError(text::w("Не удаётся открыть файл \"") + displayPath(path) + "\""); };
    if (!fs::is_regular_file(path, ec)) throw cannotOpen();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw cannotOpen();
    const auto size = fs::file_size(path, ec);
    buffer.resize(ec ? 0 : static_cast<size_t>(size));
    size_t got = buffer.empty() ? 0 : std::fread(buffer.data(), 1, buffer.size(), file);
    // A file that grew meanwhile is read to its end.
    char more[65536];
    while (got == buffer.size()) {
        const size_t n = std::fread(more, 1, sizeof more, file);
        if (n == 0) break;
        buffer.append(more, n);
        got += n;
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) throw FileError(text::w("Ошибка чтения файла \"") + displayPath(path) + "\"");
    buffer.resize(got);
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
