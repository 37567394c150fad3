#pragma once
#include "Source.h"

namespace gencat {

// A catalog of n nodes for speed tests: sections of pages of products, names, codes and logic records of
// realistic lengths, every page on the blank text and picture.
Source syntheticSource(int n);

}  // namespace gencat
