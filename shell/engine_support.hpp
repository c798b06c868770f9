// Steps shared by the three engines: the run-wide centres of the selection,
// the colour target style, new layers, transforming and restyling a copy,
// and the finish of a run.
#pragma once

#include <optional>
#include <span>

#include "shell/filter_params.hpp"
#include "shell/host_services.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

// The centre of a rectangle: left + (right - left) / 2, bottom + (top - bottom) / 2.
TvRealPoint rectCentre(const TvRealRect& rect);

// The centre of the union of the bounds of every non-empty entry; entries
// whose bounds cannot be read are skipped. (0, 0) when none can be read.
TvRealPoint averageSelectionCentre(std::span<const TvArtHandle> entries);
// The centre of the first non-empty entry's bounds; (0, 0) when there is no
// such entry or its bounds cannot be read.
TvRealPoint firstSelectionCentre(std::span<const TvArtHandle> entries);

// The colour target of a run whose colour factor is not exactly 1: the
// style of the first non-empty entry with its fill turned towards the
// colour target mode. None at factor 1 (nothing is read) or when there is
// no entry; a failing read is the run's failure.
TvErr buildTargetStyle(float colourFactor, std::span<const TvArtHandle> entries, int32_t mode, RandomSource& random,
                       std::optional<TvPathStyle>& target);

// Undoes the previous preview, gathers the selection when no list is held
// (a failed gather leaves none, so no copies are made), reads the
// document's size and then the selection entries, once for the whole run.
// A failing undo, size query or list read is the run's failure: a list the
// host cannot hand over must not pass for an empty selection.
TvErr beginRun(TvDocumentSetup& setup, std::span<TvArtHandle>& entries);

// True when the selected object is a compound path, whose copies are
// transformed child by child. An unreadable type counts as a plain object.
bool isCompoundPath(TvArtHandle art);

// Counts down the copies before the next new layer; inserts one (above all
// or below all) and makes it current when the countdown is 0.
TvErr layerStep(int32_t& countdown, int32_t copiesPerLayer, bool placeAbove);

// Transforms a copy (each child of it when the selected object is a compound
// path) by matrix with flags 15, then blends its style towards target with
// fraction when fraction is not exactly 1.
TvErr transformAndRestyle(TvArtHandle copy, bool compound, const TvRealMatrix& matrix, float fraction,
                          const std::optional<TvPathStyle>& target);

// The end of a run: a preview redraws and keeps the list; a final run
// deletes the selected objects (entries) when asked and releases the list.
TvErr finishRun(bool goRun, bool deleteOriginal, std::span<const TvArtHandle> entries);
// The end of a final run that keeps the last preview's copies.
TvErr finishKeptPreview(bool deleteOriginal);

// Releases the selection list and returns code: how a run fails.
TvErr failRun(TvErr code);

} // namespace tovrins
