#pragma once
// Shows page files in the page text box and the six picture boxes; a file that cannot be read or decoded
// is an error naming it, and the box keeps what it showed.
#include <QStringList>
#include <array>

#include "browser/PageLoader.h"

class QLabel;
class QPixmap;
class QTextEdit;

namespace brenvoll::store {
class CatalogStore;
}

namespace brenvoll::ui {

class PageViewLoader final : public browser::PageLoader {
  public:
    PageViewLoader(const store::CatalogStore& store, QTextEdit* text, std::array<QLabel*, 6> pictures);

    void loadText(const std::string& relativePath) override;
    void loadPicture(int slot, const std::string& relativePath) override;

    // The shown text as plain lines, without formatting or pictures (for the text window).
    const QStringList& plainLines() const { return plainLines_; }

  private:
    const store::CatalogStore& store_;
    QTextEdit* text_;
    std::array<QLabel*, 6> pictures_;
    QStringList plainLines_;
};

// Decodes a JPEG or BMP file chosen by its extension; FileError naming the file otherwise.
QPixmap readPicture(const std::string& hostPath);

}  // namespace brenvoll::ui
