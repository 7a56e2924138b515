# The game's layers, bottom to top. Each is a folder and a static library
# that links only the layers below it; a folder's code includes only its
# own layer's headers and those of the layers it names here (the image
# library's own headers aside). LayerCheck.cmake holds every source to
# this before anything is compiled, so an include that points up fails the
# build.
set(GAME_LAYERS core sim render audio levels screens run app)
set(GAME_LAYER_USES_core "")
set(GAME_LAYER_USES_sim core)
set(GAME_LAYER_USES_render sim core)
set(GAME_LAYER_USES_audio sim core)
set(GAME_LAYER_USES_levels sim core)
set(GAME_LAYER_USES_screens render audio sim core)
set(GAME_LAYER_USES_run screens levels render audio sim core)
set(GAME_LAYER_USES_app run screens levels render audio sim core)
