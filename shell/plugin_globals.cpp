#include "shell/plugin_globals.hpp"

namespace tovrins {

PluginGlobals*& pluginGlobals()
{
    // The one pointer the protocol requires the plug-in itself to keep; the
    // record behind it is host memory.
    static PluginGlobals* globals = nullptr;
    return globals;
}

} // namespace tovrins
