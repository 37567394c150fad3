#include "browser/ui/PageViewLoader.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTextEdit>
#include <limits>

#include "browser/RtfReader.h"
#include "browser/ui/RtfRender.h"
#include "store/CatalogStore.h"
#include "store/HostFiles.h"
#include "text/Cp1251.h"
#include "text/Errors.h"

namespace brenvoll::ui {

namespace {

QString hostName(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The decoder follows the file's extension, as the catalog's authoring tools name them.
const char* formatByExtension(const std::filesystem::path& path) {
    const QString extension = QString::fromStdString(path.extension().string()).toLower();
    if (extension == ".jpg" || extension == ".jpeg") return "JPEG";
    if (extension == ".bmp") return "BMP";
    return nullptr;
}

}  // namespace

PageViewLoader::PageViewLoader(const store::CatalogStore& store, QTextEdit* text,
                               std::array<QLabel*, 6> pictures)
    : store_(store), text_(text), pictures_(pictures) {}

void PageViewLoader::loadText(const std::string& relativePath) {
    const std::filesystem::path host = store_.HostPath(relativePath);
    const std::string bytes = store::readWholeFile(host);
    const browser::RtfDocument doc = browser::parseRtf(bytes);
    browser::renderRtf(doc, *text_->document());
    text_->setProperty("filePath", hostName(host));
    plainLines_.clear();
    for (const std::string& line : browser::plainLines(doc))
        plainLines_.push_back(QString::fromStdString(line));
}

void PageViewLoader::loadPicture(int slot, const std::string& relativePath) {
    const std::filesystem::path host = store_.HostPath(relativePath);
    const QPixmap picture = readPicture(host.string());
    QLabel* box = pictures_[static_cast<size_t>(slot)];
    box->setPixmap(picture);
    box->setProperty("filePath", hostName(host));
}

QPixmap readPicture(const std::string& hostPath) {
    const std::filesystem::path path(hostPath);
    const std::string bytes = store::readWholeFile(path);
    const char* format = formatByExtension(path);
    if (!format) throw FileError(text::w("Неизвестный формат рисунка \"") + store::displayPath(path) + "\"");
    QImage image;
    if (bytes.size() > static_cast<size_t>(std::numeric_limits<int>::max()) ||
        !image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()),
                            format))
        throw FileError(text::w("Не удаётся прочитать рисунок \"") + store::displayPath(path) + "\"");
    return QPixmap::fromImage(image);
}

}  // namespace brenvoll::ui
