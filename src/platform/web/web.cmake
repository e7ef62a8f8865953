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
