// PNG output where the build has no cairo (the Windows build): tovrins
// refuses .png outputs before it runs (kCanWritePng); a caller that asks
// anyway gets a clear error and no file.
#include <stdexcept>

#include "host/io/png_render.hpp"

namespace tovrins::host {

void writePng(const DocumentData&, const std::string& path, double)
{
    throw std::runtime_error("cannot write " + path + ": this build of the workbench has no PNG output (no cairo)");
}

void writePng(const Document&, const std::string& path, double)
{
    throw std::runtime_error("cannot write " + path + ": this build of the workbench has no PNG output (no cairo)");
}

} // namespace tovrins::host
