#pragma once
// Reading and writing whole files of the host, with errors that name the file for the user.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace brenvoll::store {

// The path as a user reads it in a message (Windows-1251, '?' for what the code page lacks).
std::string displayPath(const std::filesystem::path& path);

// FileError naming the file when it is missing, is a folder or cannot be read.
std::string readWholeFile(const std::filesystem::path& path);
// The same into a buffer the caller reuses, so that reading many large files does not map fresh memory for each.
void readWholeFileInto(const std::filesystem::path& path, std::string& buffer);
// Writes through a temporary file and a rename, so a crash never leaves half a file. FileError on failure.
void writeWholeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Component by component: the exact name when it exists, else a case-insensitive match in that folder,
// else the name as given.
std::filesystem::path resolveIgnoringCase(const std::filesystem::path& base,
                                          const std::vector<std::string>& utf8Components);

}  // namespace brenvoll::store
