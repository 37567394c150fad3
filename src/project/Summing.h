#pragma once
// "Суммировать  строки": every product once with its quantities added; trays, then other products, then
// fasteners; comment and virtual rows dropped.
#include <string_view>
#include <vector>

#include "project/ProjectLists.h"

namespace brenvoll::store {
class CatalogStore;
}

namespace brenvoll::project {

class Summing {
public:
    // The result of the last summing: TV_S, TV_S_Cod, TV_S_Cod1, TV_S_Name, TV_S_Kol, TV_S_Izm, TV_S_AI, TV_S_Prim.
    const ProjectLists::Lists& scratch() const { return scratch_; }
    const std::vector<std::string>* listByName(std::string_view name) const;

    // Replaces the project with its summed form in one step at the end. An AbsIndex that is not a number or
    // not a catalog index (AppError, ConversionError) or a quantity that is not a number (ConversionError)
    // stops it with the project unchanged. The route wizard's rows with AbsIndex "9999" belong to no catalog
    // product: they join the other products and merge by code among themselves.
    void run(ProjectLists& project, const store::CatalogStore& catalog);

private:
    ProjectLists::Lists scratch_;
};

}  // namespace brenvoll::project
