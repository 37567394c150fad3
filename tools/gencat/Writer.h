#pragma once
// Turns a catalog source into the catalog folder the program reads.
#include <filesystem>
#include <string>

#include "Source.h"

namespace gencat {

// Draws pictures; the generator's is Qt-based, kept apart so the file layout stays plain C++.
class Renderer {
  public:
    virtual ~Renderer() = default;
    // Encoded picture bytes; format is "jpg" or "bmp"; caption is Windows-1251.
    virtual std::string render(const std::string& sketch, const std::string& caption, int width, int height,
                               const std::string& format) = 0;
};

// Writes appDir/0_TELVA (replacing what was there) and an empty appDir/Projects/ListNmPr.
void writeCatalog(const Source& source, const std::filesystem::path& appDir, Renderer& renderer);

// Writes bytes to a file, creating its folders; relative is '/'- or '\'-separated Windows-1251.
void writeFileUnder(const std::filesystem::path& root, const std::string& relative, const std::string& bytes);

// The host path of a '/'- or '\'-separated Windows-1251 path below root (UTF-8 names on disk).
std::filesystem::path hostPath(const std::filesystem::path& root, const std::string& relative);

}  // namespace gencat
