// What the engine needs of a download, so that engine code never depends on
// the network library: one call that returns the body or a German message.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zw {

// One download: the body, or a German message why there is none.
struct Download {
    bool ok = false;
    std::vector<uint8_t> body;
    std::string error;
};
using Fetcher = std::function<Download(const std::string& url)>;

}  // namespace zw
