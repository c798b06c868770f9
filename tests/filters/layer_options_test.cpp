// Where the copies go: every filter with 3 copies per layer, 7 copies and
// two selected objects under each layer option, set in the dialog and
// accepted; and the layers an empty selection still makes.
#include "filter_test_support.hpp"

namespace tovrins::filters_test {
namespace {

class LayerOptions : public ::testing::TestWithParam<const FilterWords*> {
protected:
    // Runs the filter on two selected rectangles with the layer option
    // chosen in the dialog and 3 copies per layer.
    DocumentData runWithLayerOption(int option, DocumentData document = twoSelectedRects())
    {
        h.bench.open(document);
        host::ScriptedFrontEnd frontEnd =
            scripted({host::DialogAction::setText(item::layerOption, std::to_string(option)), host::DialogAction::setText(item::copiesPerLayer, "3")});
        const host::CommandOutcome outcome = h.run(h.filter(GetParam()->title), frontEnd);
        EXPECT_FALSE(frontEnd.failure()) << *frontEnd.failure();
        EXPECT_EQ(outcome.code, 0);
        const FilterParams& p = *h.params(h.filter(GetParam()->title));
        EXPECT_EQ(p.*GetParam()->layerOption, option);
        EXPECT_EQ(p.*GetParam()->copiesPerLayer, 3);
        return h.document().data();
    }

    // Which selected rectangle each copy in a layer came from: 'w' for the
    // wide one, 's' for the small square.
    static std::string sources(const LayerData& layer)
    {
        std::string out;
        for (const ArtData& art : layer.art)
            out += firstEdge(art) > 50 ? 'w' : 's';
        return out;
    }

    testing::PluginHarness h;
};

// Option 0: each object's series counts down from 2 on its own, so the
// first two copies of a series go to whichever layer is current; the last
// list entry, the wide rectangle (the selection lists the frontmost
// first), is done first.
TEST_P(LayerOptions, NewLayersCountPerObject)
{
    const DocumentData d = runWithLayerOption(0);
    ASSERT_EQ(d.layers.size(), 5u);
    EXPECT_EQ(sources(d.layers[0]), "ww");
    EXPECT_EQ(sources(d.layers[1]), "www");
    EXPECT_EQ(sources(d.layers[2]), "wwss");
    EXPECT_EQ(sources(d.layers[3]), "sss");
    EXPECT_EQ(sources(d.layers[4]), "ss");
    EXPECT_EQ(d.currentLayer, 4);
}

// Option 1: one countdown for the whole run, one copy of each object per
// copy index, the wide rectangle's copy first in each pass (under the
// small square's, as the wide one lies under the small one).
TEST_P(LayerOptions, NewLayersCountPerCopyIndexAcrossObjects)
{
    const DocumentData d = runWithLayerOption(1);
    ASSERT_EQ(d.layers.size(), 3u);
    EXPECT_EQ(sources(d.layers[0]), "wsws");
    EXPECT_EQ(sources(d.layers[1]), "wswsws");
    EXPECT_EQ(sources(d.layers[2]), "wsws");
}

// Option 2: no layers at all; every copy goes into the current layer.
TEST_P(LayerOptions, NoLayersKeepsEveryCopyInTheCurrentLayer)
{
    const DocumentData d = runWithLayerOption(2);
    ASSERT_EQ(d.layers.size(), 1u);
    EXPECT_EQ(sources(d.layers[0]), "wwwwwwwsssssss");
}

// Nothing selected: options 0 and 2 change nothing, option 1 still makes
// its layers, 7 / 3 of them, and they stay empty.
TEST_P(LayerOptions, EmptySelectionMakesOnlyTheLayersOfOptionOne)
{
    DocumentData unselected = twoSelectedRects();
    for (ArtData& art : unselected.layers[0].art)
        art.selected = false;
    for (int option : {0, 2}) {
        const DocumentData d = runWithLayerOption(option, unselected);
        ASSERT_EQ(d.layers.size(), 1u) << "option " << option;
        EXPECT_EQ(d.layers[0].art.size(), 2u) << "option " << option;
    }
    const DocumentData d = runWithLayerOption(1, unselected);
    ASSERT_EQ(d.layers.size(), 3u);
    EXPECT_EQ(artPerLayer(d), (std::vector<size_t>{2, 0, 0}));
    EXPECT_EQ(h.bench.environment().memory.liveCount(), 1u) << "only the block is left: no list is held";
}

INSTANTIATE_TEST_SUITE_P(AllFilters, LayerOptions, ::testing::ValuesIn(kAllFilters), filterName);

} // namespace
} // namespace tovrins::filters_test
