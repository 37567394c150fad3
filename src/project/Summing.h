#pragma once
// "Суммировать  строки": every product once with its quantities added; trays, then other products, then
// fasteners; comment and virtual rows dropped.
#include "project/ProjectLists.h"

namespace brenvoll::store {
class CatalogStore;
}

namespace brenvoll::project {

// Replaces the project with its summed form in one step at the end. An AbsIndex that is not a number or not a
// catalog index (AppError, ConversionError) or a quantity that is not a number (ConversionError) stops it
// with the project unchanged. The route wizard's rows with AbsIndex "9999" belong to no catalog product: they
// join the other products and merge by code among themselves.
void sumRows(ProjectLists& project, const store::CatalogStore& catalog);

}  // namespace brenvoll::project
