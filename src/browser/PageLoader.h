#pragma once
// The page display's seam to the files: the window decodes and shows them, tests record the calls.
#include <string>

namespace brenvoll::browser {

// Paths are relative to the catalog root, backslash-separated, Windows-1251, as the path lists hold them.
class PageLoader {
  public:
    virtual ~PageLoader() = default;
    // Shows the page text in REdMain; FileError naming the file when it cannot be read.
    virtual void loadText(const std::string& relativePath) = 0;
    // Shows picture slot 0 … 5 in Image1 … Image6; FileError naming the file when it cannot be read or
    // decoded. A failed load leaves the slot as it was.
    virtual void loadPicture(int slot, const std::string& relativePath) = 0;
};

}  // namespace brenvoll::browser
