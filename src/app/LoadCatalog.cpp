#include "app/LoadCatalog.h"

#include "store/HostFiles.h"
#include "text/Cp1251.h"
#include "text/Errors.h"

namespace brenvoll::app {
namespace {

using store::List;
using text::w;

std::string structureFile(const char* name) { return std::string("Structure\\") + name; }

void readTreeList(store::CatalogStore& store, List list, const char* file) {
    store.setList(list, store.LoadTreeTexts(structureFile(file)));
}

// "1" … "6" from the first line of a settings file; none for any other line.
std::optional<int> pictureTabCount(store::CatalogStore& store, const char* file) {
    const auto lines = store.LoadPlainFile(structureFile(file));
    if (lines.empty())
        throw FileError(w("Файл \"") + store.CatalogPath(structureFile(file)) + w("\" не содержит ни одной строки"));
    const std::string& first = lines.front();
    if (first.size() == 1 && first[0] >= '1' && first[0] <= '6') return first[0] - '0';
    return std::nullopt;
}

}  // namespace

LoadResult LoadCatalog(store::CatalogStore& store, search::Pickers& pickers, ProgressSink& progress, Pause& pause) {
    LoadResult result;
    // Without the folder every file would fail one by one; name the folder itself.
    std::error_code ec;
    if (!std::filesystem::is_directory(store.rootDir(), ec))
        throw FileError(w("Не найдена папка каталога \"") + store::displayPath(store.rootDir()) + "\"");
    pause.sleepMs(200);
    progress.status(w("Загрузка списка имён и кодов ......."));
    progress.step();
    progress.status(w("Загрузка структуры каталога......."));
    progress.step();
    store.setTree(store.LoadTreeFile(structureFile("FileTreeView")));
    pause.sleepMs(200);

    progress.status(w("Загрузка файла кодов продуктов........"));
    progress.step();
    readTreeList(store, List::TV_Cod, "FileTVCod");
    readTreeList(store, List::TV_Cod1, "FileTVCod1");
    pause.sleepMs(200);

    progress.status(w("Загрузка файла названий продуктов........"));
    progress.step();
    pause.sleepMs(200);
    readTreeList(store, List::TV_Name, "FileTVName");
    pause.sleepMs(200);
    readTreeList(store, List::TV_Izm, "FileTVIzm");
    pause.sleepMs(200);
    readTreeList(store, List::TV_Ves, "FileTVW");
    pause.sleepMs(200);
    readTreeList(store, List::TV_Dlina, "FileTVL");
    readTreeList(store, List::TV_Prise, "FileTVP");
    pause.sleepMs(200);
    readTreeList(store, List::TV_Vid, "FileTVVid");
    pause.sleepMs(200);
    readTreeList(store, List::TV_Volume, "FileTVVol");
    pause.sleepMs(200);

    progress.status(w("Загрузка путей доступа к  текстам......."));
    progress.step();
    static constexpr int kTextPauses[6] = {200, 200, 200, 200, 0, 50};
    for (int k = 0; k < 6; ++k) {
        const std::string file = "FileTVPT" + std::to_string(k + 1);
        readTreeList(store, static_cast<List>(static_cast<int>(List::TV_Path_T1) + k), file.c_str());
        if (kTextPauses[k] > 0) pause.sleepMs(kTextPauses[k]);
    }

    progress.status(w("Загрузка путей доступа к  графике......."));
    progress.step();
    static constexpr int kPicturePauses[6] = {200, 200, 200, 200, 0, 200};
    for (int k = 0; k < 6; ++k) {
        const std::string file = "FileTVPP" + std::to_string(k + 1);
        readTreeList(store, static_cast<List>(static_cast<int>(List::TV_Path_P1) + k), file.c_str());
        if (kPicturePauses[k] > 0) pause.sleepMs(kPicturePauses[k]);
    }

    progress.status(w("Загрузка файлов логики.........."));
    progress.step();
    readTreeList(store, List::TV_Logik1, "FileTVL1");
    readTreeList(store, List::TV_Logik2, "FileTVL2");

    store.setList(List::ComBoxCod0, store.LoadPlainFile(structureFile("FileKod")));
    pickers.codes = search::BuildPicker(store.list(List::ComBoxCod0), store.list(List::TV_Izm), 115);
    store.setList(List::ComBoxName0, store.LoadPlainFile(structureFile("FileName")));
    pickers.names = search::BuildPicker(store.list(List::ComBoxName0), store.list(List::TV_Izm), 45);
    pause.sleepMs(200);

    store.setPictureTabSetting(pictureTabCount(store, "FileEspecialy.txt"));
    result.initialPictureTabs = pictureTabCount(store, "FileNFoto.txt");
    readTreeList(store, List::TV_N_Pict, "FileTVNPict");

    static constexpr const char* kAuthoringFiles[12] = {
        "FileText.txt",  "FilePicture.txt",  "FileText2.txt", "FilePicture2.txt", "FileText3.txt", "FilePicture3.txt",
        "FileText4.txt", "FilePicture4.txt", "FileText5.txt", "FilePicture5.txt", "FileText6.txt", "FilePicture6.txt"};
    for (int k = 0; k < 12; ++k) store.setAuthoringFile(k, store.ReadFile(structureFile(kAuthoringFiles[k])));
    return result;
}

}  // namespace brenvoll::app
