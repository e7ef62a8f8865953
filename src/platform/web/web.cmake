# The browser build, included by the top-level CMakeLists.txt under Emscripten.
#
# Two programs: the headless runner for node (the stories are told by it and compared with the
# native ones), and the game for the page, on the web platform, with its sound pack made in the
# browser by the project's own generator. Debian's node does not search its own module folder,
# which the linker's JavaScript steps need.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# The game leaves from deep inside a step by an exception, on every platform.
foreach(lib dravlen_files dravlen_game dravlen_scripted)
  target_compile_options(${lib} PUBLIC -fexceptions)
endforeach()
set(WEB_COMMON_LINK -fexceptions -sALLOW_MEMORY_GROWTH=1)

add_executable(dravlen-script src/app/main_script.cpp)
target_link_libraries(dravlen-script PRIVATE dravlen_game dravlen_scripted)
# Node's own file system, so the runner reads the keys and writes its folder like the native one.
target_link_options(dravlen-script PRIVATE ${WEB_COMMON_LINK} -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sENVIRONMENT=node)

# The game for the page: one static folder, site/, that any web server can serve.
set(WEB_SITE ${CMAKE_BINARY_DIR}/site)
set(WEB_DIR ${CMAKE_SOURCE_DIR}/src/platform/web)
add_executable(dravlen-web src/app/main_web.cpp
  src/platform/web/web.cpp src/platform/web/sound.cpp src/platform/web/key_map.cpp
  tools/soundgen/synth.cpp tools/soundgen/instruments.cpp tools/soundgen/sounds.cpp)
target_include_directories(dravlen-web PRIVATE tools)
target_link_libraries(dravlen-web PRIVATE dravlen_game)
target_compile_options(dravlen-web PRIVATE -fexceptions)
set_target_properties(dravlen-web PROPERTIES OUTPUT_NAME dravlen RUNTIME_OUTPUT_DIRECTORY ${WEB_SITE}
  LINK_DEPENDS "${WEB_DIR}/library.js;${WEB_DIR}/pre.js")
# Every wait sleeps through Asyncify in the page's own sleep; it is reached through the
# platform's virtual calls, so no indirect call may be left out of the transformation.
target_link_options(dravlen-web PRIVATE ${WEB_COMMON_LINK} -lopenal -sENVIRONMENT=web -sFORCE_FILESYSTEM=1
  -sASYNCIFY=1 "-sASYNCIFY_IMPORTS=['dravlen_sleep']" -sASYNCIFY_STACK_SIZE=131072
  "-sEXPORTED_RUNTIME_METHODS=['FS']"
  --js-library ${WEB_DIR}/library.js --pre-js ${WEB_DIR}/pre.js)

# The page, the speech worker, and the speech engine with its English data only, made from the
# pinned npm package (scripts/web.sh runs npm ci in web/ first).
set(ESPEAK_PACKAGE ${CMAKE_SOURCE_DIR}/web/node_modules/@echogarden/espeak-ng-emscripten)
file(READ ${CMAKE_SOURCE_DIR}/web/package.json WEB_PACKAGE_JSON)
string(JSON ESPEAK_VERSION GET ${WEB_PACKAGE_JSON} dependencies @echogarden/espeak-ng-emscripten)
configure_file(${WEB_DIR}/page/index.html ${WEB_SITE}/index.html @ONLY)
configure_file(${WEB_DIR}/page/speech-worker.js ${WEB_SITE}/speech-worker.js COPYONLY)
add_custom_command(
  OUTPUT ${WEB_SITE}/espeak-ng.js ${WEB_SITE}/espeak-ng.data
  COMMAND node ${CMAKE_SOURCE_DIR}/web/repack-english.mjs ${WEB_SITE}
  DEPENDS ${CMAKE_SOURCE_DIR}/web/repack-english.mjs ${ESPEAK_PACKAGE}/espeak-ng.js ${ESPEAK_PACKAGE}/espeak-ng.data
  COMMENT "Packing the speech engine's English data"
  VERBATIM)
add_custom_target(web-speech ALL DEPENDS ${WEB_SITE}/espeak-ng.js ${WEB_SITE}/espeak-ng.data)
