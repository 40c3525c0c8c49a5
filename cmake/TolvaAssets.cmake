# Pictures and sounds are generated at build time by the programs under tools/
# into ${TOLVA_ASSET_DIR}; res/assets embeds them in the program as Qt
# resources (":/pictures/146.png", ":/waves/143.wav" ...). Files the program
# reads beside its executable (the card face sheet, the help pages) go to
# ${TOLVA_RUNTIME_DIR}, where the executable is built.
set(TOLVA_ASSET_DIR ${CMAKE_BINARY_DIR}/assets)
set(TOLVA_RUNTIME_DIR ${CMAKE_BINARY_DIR}/app)
file(MAKE_DIRECTORY ${TOLVA_ASSET_DIR} ${TOLVA_RUNTIME_DIR})

# tolva_asset_generator(<custom target>): the target that produces assets.
function(tolva_asset_generator target)
  set_property(GLOBAL APPEND PROPERTY TOLVA_ASSET_GENERATORS ${target})
endfunction()

# tolva_embed_assets(<files...>): generated files under ${TOLVA_ASSET_DIR} to embed.
function(tolva_embed_assets)
  set_property(GLOBAL APPEND PROPERTY TOLVA_EMBEDDED_FILES ${ARGN})
endfunction()
