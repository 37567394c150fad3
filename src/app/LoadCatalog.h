#pragma once
// Start-up's reading of the whole catalog, paced by pauses and reported on the progress window.
#include <optional>

#include "app/Ports.h"
#include "search/Pickers.h"
#include "store/CatalogStore.h"

namespace brenvoll::app {

struct LoadResult {
    // Picture tabs to show before any node is chosen, when FileNFoto.txt's first line is "1" … "6".
    std::optional<int> initialPictureTabs;
};

// Fills the store and the pickers in the fixed order of the loading table. A file that cannot be read, a tree
// file with an invalid level or a settings file without a first line throws (AppError): the lists read so far
// stay filled, later ones stay empty.
LoadResult LoadCatalog(store::CatalogStore& store, search::Pickers& pickers, ProgressSink& progress, Pause& pause);

}  // namespace brenvoll::app
