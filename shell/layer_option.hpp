// The layer options all three filters offer, each with labels of its own.
#pragma once

#include <cstdint>

namespace tovrins {

enum class LayerOption : int32_t {
    NewLayers = 0,     // one series per selected object, a new layer every so many copies
    AllOnNewLayer = 1, // one series across all objects, copy index by copy index
    NoLayers = 2,      // one series per selected object on the current layer
    Count
};

} // namespace tovrins
