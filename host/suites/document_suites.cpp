// The document as a whole: its setup, its one view, the command's undo and
// its layers.
#include <cmath>

#include "host/suites/core_suites.hpp"
#include "host/suites/suite_support.hpp"

namespace tovrins::host {
namespace {

// One view per document; its handle is a fixed token.
TvDocumentViewHandle theView() { return reinterpret_cast<TvDocumentViewHandle>(uintptr_t{1}); }

TvErr getDocumentSetup(TvDocumentSetup* setup)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAIDocumentSuite, "getDocumentSetup", doc))
        return err;
    if (!setup)
        return TV_ERR_BAD_PARAMETER;
    *setup = {doc->width(), doc->height()};
    return 0;
}

TvErr redrawDocument()
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAIDocumentSuite, "redrawDocument", doc))
        return err;
    doc->noteRedraw();
    return 0;
}

TvErr getNthDocumentView(int32_t n, TvDocumentViewHandle* view)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAIDocumentViewSuite, "getNthDocumentView", doc))
        return err;
    if (n != 0 || !view)
        return TV_ERR_BAD_PARAMETER;
    *view = theView();
    return 0;
}

TvErr getDocumentViewCenter(TvDocumentViewHandle view, TvRealPoint* center)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAIDocumentViewSuite, "getDocumentViewCenter", doc))
        return err;
    if (view != theView() || !center)
        return TV_ERR_BAD_PARAMETER;
    *center = doc->view().centre;
    return 0;
}

TvErr setDocumentViewZoom(TvDocumentViewHandle view, TvReal zoom)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAIDocumentViewSuite, "setDocumentViewZoom", doc))
        return err;
    if (view != theView() || !std::isfinite(zoom) || zoom <= 0)
        return TV_ERR_BAD_PARAMETER;
    doc->view().zoom = zoom;
    return 0;
}

TvErr viewPointToArtworkPoint(TvDocumentViewHandle view, const TvIntPoint* viewPoint, TvRealPoint* artworkPoint)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAIDocumentViewSuite, "viewPointToArtworkPoint", doc))
        return err;
    if (view != theView() || !viewPoint || !artworkPoint)
        return TV_ERR_BAD_PARAMETER;
    *artworkPoint = doc->viewToArtwork(*viewPoint);
    return 0;
}

TvErr undoChanges()
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAIUndoSuite, "undoChanges", doc))
        return err;
    doc->undoChanges();
    return 0;
}

TvErr insertLayer(TvLayerHandle reference, int16_t paintOrder, TvLayerHandle* layer)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAILayerSuite, "insertLayer", doc))
        return err;
    if (!layer)
        return TV_ERR_BAD_PARAMETER;
    LayerId id = 0;
    if (TvErr err = doc->insertLayer(paintOrder, layerIdOf(reference), id))
        return err;
    *layer = toLayerHandle(id);
    return 0;
}

TvErr setCurrentLayer(TvLayerHandle layer)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAILayerSuite, "setCurrentLayer", doc))
        return err;
    return doc->setCurrentLayer(layerIdOf(layer));
}

} // namespace

const TvAIDocumentSuiteV7& documentSuite()
{
    static constexpr TvAIDocumentSuiteV7 table{getDocumentSetup, redrawDocument};
    return table;
}

const TvAIDocumentViewSuiteV7& documentViewSuite()
{
    static constexpr TvAIDocumentViewSuiteV7 table{getNthDocumentView, getDocumentViewCenter, setDocumentViewZoom,
                                                   viewPointToArtworkPoint};
    return table;
}

const TvAIUndoSuiteV4& undoSuite()
{
    static constexpr TvAIUndoSuiteV4 table{undoChanges};
    return table;
}

const TvAILayerSuiteV9& layerSuite()
{
    static constexpr TvAILayerSuiteV9 table{insertLayer, setCurrentLayer};
    return table;
}

} // namespace tovrins::host
