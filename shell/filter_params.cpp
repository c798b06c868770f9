#include "filter_params.hpp"

#include "rotate_settings.hpp"
#include "scale_settings.hpp"
#include "translate_settings.hpp"

namespace tovrins {

void writeDefaults(FilterParams& params, FilterKind kind)
{
    switch (kind) {
    case FilterKind::Rotate:
        rotateWriteDefaults(params);
        break;
    case FilterKind::Scale:
        scaleWriteDefaults(params);
        break;
    case FilterKind::Translate:
        translateWriteDefaults(params);
        break;
    }
}

} // namespace tovrins
