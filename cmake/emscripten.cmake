# Building the calculation core for the web with Debian's emscripten; its tests run under node.
# Node 20 runs an emscripten 3.1.6 program only without its experimental fetch.
find_program(NODE_EXECUTABLE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE_EXECUTABLE} --no-experimental-fetch
    CACHE STRING "Runs the programs built for the web")
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# C++ exceptions as WebAssembly's own, in every translation unit (GoogleTest's too): the core's
# errors are exceptions, and the two models do not mix.
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions")
