#include "app/art_selection.hpp"

#include <set>
#include <string>

#include "app/app_error.hpp"

namespace tovrins::app {

namespace {

void markTree(host::ArtData& art, bool selected)
{
    art.selected = selected;
    for (host::ArtData& child : art.children)
        markTree(child, selected);
}

// Marks the art whose ids are wanted, with everything inside it, and notes
// which ids were found; ids nested inside a marked group count as found too.
void markById(host::ArtData& art, const std::set<std::string>& wanted, std::set<std::string>& found)
{
    if (!art.id.empty() && wanted.contains(art.id)) {
        found.insert(art.id);
        markTree(art, true);
    }
    for (host::ArtData& child : art.children)
        markById(child, wanted, found);
}

} // namespace

void applySelection(host::DocumentData& document, const SelectionRequest& request, const std::string& fileName)
{
    for (host::LayerData& layer : document.layers)
        for (host::ArtData& art : layer.art)
            markTree(art, request.all && layer.visible && !layer.locked);
    if (request.all)
        return;

    const std::set<std::string> wanted(request.ids.begin(), request.ids.end());
    std::set<std::string> found;
    for (host::LayerData& layer : document.layers)
        for (host::ArtData& art : layer.art)
            markById(art, wanted, found);

    std::string missing;
    for (const std::string& id : wanted)
        if (!found.contains(id))
            missing += (missing.empty() ? "'" : ", '") + id + "'";
    if (!missing.empty())
        throw UsageError("--select names art that " + fileName + " does not have: " + missing +
                         " (art is named by its SVG id attribute)");
}

} // namespace tovrins::app
