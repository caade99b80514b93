// The names of the data folder's draw and side-game files.
#pragma once

#include <string>
#include <vector>

namespace zw {

// Base names of the draw and side-game files, in the order of the update bundle.
const std::vector<std::string>& data_file_bases();

}  // namespace zw
