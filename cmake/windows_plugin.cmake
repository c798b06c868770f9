# The plug-in as the Windows host installs it: KM47_Tovrins.aip, a PE32 DLL
# whose resources i686-w64-mingw32-windres compiles from the same script
# into its .rsrc section, exporting PluginMain alone (resources/KM47_Tovrins.def).
# Included from resources/, after the icon's rule.
set(TOVRINS_RSRC_OBJECT ${CMAKE_CURRENT_BINARY_DIR}/KM47_Tovrins_rsrc.o)
add_custom_command(OUTPUT ${TOVRINS_RSRC_OBJECT}
  COMMAND ${CMAKE_RC_COMPILER} -I ${CMAKE_CURRENT_BINARY_DIR} -O coff
    -i ${CMAKE_CURRENT_SOURCE_DIR}/KM47_Tovrins.rc -o ${TOVRINS_RSRC_OBJECT}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/KM47_Tovrins.rc ${TOVRINS_ICON}
  COMMENT "Compiling the plug-in resources into .rsrc")

add_library(KM47_Tovrins SHARED ${TOVRINS_RSRC_OBJECT} ${CMAKE_CURRENT_SOURCE_DIR}/KM47_Tovrins.def)
target_link_libraries(KM47_Tovrins PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,tovrins_plugin_core>")
set_target_properties(KM47_Tovrins PROPERTIES
  OUTPUT_NAME KM47_Tovrins PREFIX "" SUFFIX ".aip" LINKER_LANGUAGE CXX
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
  LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/KM47_Tovrins.def)
# The host may call in with the stack only 4-byte aligned, as 32-bit
# Windows code is free to; the plug-in realigns where SSE needs 16.
target_compile_options(tovrins_plugin_core PRIVATE -mincoming-stack-boundary=2)
